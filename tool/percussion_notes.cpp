// The library-wide note lists; defined together so that they are built in
// this order and destroyed in the reverse one.
#include "tool/percussion_notes.h"

FCPercNoteTypes _PercussionNoteTypes;
FCPercussionNoteInfos _PercussionNoteList;
