// FCMusicRegion: a rectangle of staff slots and measures (the host's EREGION),
// the current selection, and the music copied or cut from it.
#pragma once

#include "framework/data/base.h"
#include "host/host_records.h"

class FCCell;
class FCIteratorHandler;

class FCMusicRegion : public __FCBase {
public:
    // With no record the region is empty.
    explicit FCMusicRegion(const EREGION* region = nullptr);
    // Gives back music still held from a copy or cut.
    ~FCMusicRegion() override;
    FCMusicRegion(const FCMusicRegion&) = delete;
    FCMusicRegion& operator=(const FCMusicRegion&) = delete;
    const char* ClassName() const override { return "FCMusicRegion"; }

    // Exchange with the host.
    void SetEnigmaRegion(const EREGION* region);
    void GetEnigmaRegion(EREGION* region) const;
    bool SetCurrentSelection();
    bool SetFullDocument();
    bool SetInDocument();
    long Redraw();

    // The rectangle. Positions are in the host's duration units;
    // 0x7FFFFFFF as end position means the end of the measure.
    unsigned short GetStartInstrumentList() const;
    short GetStartSlot() const;
    short GetStartMeasure() const;
    long GetStartMeasurePos() const;
    unsigned short GetEndInstrumentList() const;
    short GetEndSlot() const;
    short GetEndMeasure() const;
    long GetEndMeasurePos() const;
    void SetStartInstrumentList(unsigned short list);
    void SetStartSlot(short slot);
    void SetStartMeasure(short measure);
    void SetStartMeasurePos(long position);
    void SetEndInstrumentList(unsigned short list);
    void SetEndSlot(short slot);
    void SetEndMeasure(short measure);
    void SetEndMeasurePos(long position);
    short GetDocumentID() const { return _document; }
    long GetClipToken() const { return _clipToken; }

    // Queries.
    bool IsEmpty() const;
    bool IsMeasureIncluded(short measure) const;
    bool IsStaffIncluded(short staff) const;
    bool IsMeasurePosWithin(int measure, long position) const;
    bool IsFullMeasureIncluded(short measure) const;
    bool IsCellPosWithin(FCCell* cell, long position) const;
    bool IsStartPos(int measure, long position) const;
    bool IsPartial() const;
    bool IsCurrentDocument() const;
    bool IsLastEndMeasure() const;
    bool IsFullDocumentWidth() const;
    bool IsOverlapping(const FCMusicRegion* other) const;
    int CalcDuration() const;

    // Changes.
    void AssureSortedStaves();
    bool SetFullMeasureStack();
    void ConvertToGlobalInstrumentList();
    // Hands each slot's staff (an FCStaff) to the handler; answers the number
    // of calls, the stopping one included.
    int ForEachStaff(FCIteratorHandler* handler);
    bool CopyMusic();
    bool CutMusic();
    bool PasteMusic();
    bool ReleaseMusic();

private:
    bool TakeMusic(short mode);
    bool ReadCurrentRegions(bool selection);

    unsigned char _region[20];
    short _document = 0;
    long _clipToken = 0;
};
