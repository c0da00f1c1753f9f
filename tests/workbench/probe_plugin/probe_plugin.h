// Resource IDs of the probe plug-in's dialog.
#pragma once

#define PROBE_DIALOG 20001
#define PROBE_CHECK 1
#define PROBE_CLOSE 2
#define PROBE_ASK 3
#define PROBE_WARN 4
#define PROBE_EDIT 5
#define PROBE_SELECTION_LABEL 101
#define PROBE_SELECTION 102
#define PROBE_DISABLED 103
#define PROBE_VERSION 104
#define PROBE_CHOICE 110
#define PROBE_CHOSEN 111
#define PROBE_NOTES 120
#define PROBE_SIZE 130
