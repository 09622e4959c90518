// Resource identifiers shared by the resource scripts and the code.
#pragma once
#define IDI_QUORVEL 1

// The alarms window's toolbar images, in the order of its image list.
#define IDI_EDIT_IMAGE 101
#define IDI_DELETE_IMAGE 102
#define IDI_ENABLED_IMAGE 103
#define IDI_CLOSE_IMAGE 104
#define IDI_ADD_IMAGE 105
// The alarm editor's preview button, enabled and disabled.
#define IDI_SPEAKER_IMAGE 110
#define IDI_SPEAKER_DISABLED_IMAGE 111
// The built-in chime (res/chime.wav, made by res/make_chime_wav.py).
#define IDR_CHIME_SOUND 120
