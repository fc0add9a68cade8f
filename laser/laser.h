// SPDX-License-Identifier: LGPL-2.1-or-later
/* Public C interface of the Laser camera library: capture, laser-spot detection and
 * perspective correction for up to four cameras. Plain C types only cross this boundary. */
#ifndef LASER_H
#define LASER_H

#include <stddef.h>
#include <stdint.h>

#if defined(_WIN32)
#  define LASER_API __declspec(dllexport)
#else
#  define LASER_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Maximum number of cameras and of spot records handed out per frame. */
#define LASER_MAX_CAMERAS 4
#define LASER_MAX_SPOTS 8

/* Spot record kinds. */
#define LASER_SPOT_NONE 0
#define LASER_SPOT_LASER 1

/* Threshold kinds for CamSetThreshold / CamGetThresholds. */
#define LASER_THRESHOLD_LUMINANCE 1   /* brightness threshold 0-255, higher is less sensitive */
#define LASER_THRESHOLD_MIN_SIZE 2    /* smallest spot, pixels */
#define LASER_THRESHOLD_MAX_SIZE 3    /* largest spot, pixels */
#define LASER_THRESHOLD_MIN_DISTANCE 4 /* pixels: spots of one frame this close are one light */

/* Default thresholds of every camera. The luminance threshold L (0-255, higher is less
 * sensitive) asks the brightest pixel of a spot to close L/255 of the gap between the scene as
 * the camera has seen it over the last few frames (a slowly adapting background) and white: a
 * laser core drives a pixel most of the way to saturation, whether it lands on a dark wall or
 * a sunlit one, while reflections, shadows and compression noise brighten a pixel by a small
 * share. 110 asks for about 43 %; 255 for saturation. The spot reaches out to where the rise
 * falls to two fifths of that, never below L/10 grey levels. A shot also needs: at least L
 * grey levels x pixels of light beyond that edge (compression specks have less), a core whose
 * weakest colour channel closes L/510 of the gap to white against the colours around the spot
 * (a laser core turns white whatever its colour; a bright patch of the scene keeps its own),
 * no pixel just outside the spot brighter than the spot's brightest by more than 10 grey levels
 * or an eighth of the spot's rise, whichever is less (laser light adds to what lies under it; a
 * fringe spreading from a brighter area does not),
 * a spot that is small (no longer than a tenth of the picture's width), filled (half or more
 * of the ellipse of its moments: no crescent, ring or ragged patch) and clear of the picture's
 * edge, a peak that rises above the scene's memory of the last several seconds by a quarter of
 * its rise above the background (an area uncovered by a hand moving away is no shot), and a
 * frame that is no changed scene. A scene changed when more than 10 % of the pixels changed
 * and either the whole picture's brightness moved by more than a thirty-second or a quarter
 * of the pixels changed (a light switched on, exposure stepping, the camera moving give no
 * shots; bright shapes drifting across a projected scene brighten it where they arrive and
 * darken it where they leave, and its light stays). Where more than 1 % changed without a
 * changed scene (a person walking by, a moving projected target) the core must close three
 * quarters of the gap to white. A spot more than two and a half times longer than wide whose
 * core closes less than three quarters of the gap and is not coloured (below) is no shot: the
 * lit edge of a sleeve or a body moving through a dim room is a thin stroke of the room's own
 * light, while a laser dragged across the wall during the exposure still drives its core to
 * white (its round dot in the next frame is the shot). A lit
 * area that fails as a whole (a moving target with the laser on it) yields its brightest
 * core: the pixels within L/10 of its peak, a quarter of the area or less. A spot without a
 * white core that covers less than three quarters of its ellipse is no shot when half as many
 * pixels around it fell below both the background and the scene's memory (a bright thing that
 * moved on lights a crescent and leaves a darker trail; a laser only adds light). Where a
 * quarter or more of the ring around a spot (its box widened by its own size, at least 6
 * pixels) changed, the spot is judged as in a stirred scene (a watch on a swinging arm). A
 * spot whose brightest pixel belonged to an area too large or too long in the frame before
 * is no shot unless it rose since by more than a quarter of its rise (an arm come to rest
 * leaves its part over black ink lit longest; a laser landing on a moving projected shape
 * lights it far beyond what it was).
 * A pulse is one shot, reported in the frame it first appears; a spot within 60 pixels (box to
 * box) of a laser spot of the previous frame or of the last 110 ms continues its pulse (no
 * trainer fires twice that fast; the hand moves while a pulse lasts); a spot overlapping a
 * laser spot that went dark for one or two frames, up to 150 ms before, continues it too (a
 * slow camera loses a fading pulse for a frame or two). A pulse that first shows
 * as a streak (the laser moving during the exposure) is reported one frame later, at the
 * rounder spot of its next frame where there is one.
 * A laser dot on something dark (the black of a ring target sends back a twentieth of what
 * white paper does) or on a target of its own colour drives its own colour channel to white
 * and the others hardly: a spot that stands out of the noise without closing the grey gap (its
 * rise at least L/255 of forty times the picture's mean deviation from the background) counts
 * when it is round (at most twice as long as wide) and, outside a stirred scene, its core's
 * strongest channel (red or green) closes half of that channel's gap to white, at least twice
 * the share its weakest channel closes, and no pixel touching it is brighter in that channel (a
 * camera keeps colour at half its resolution: a dot a few pixels wide keeps about half its
 * channel's rise). Where a pixel rose out of the noise without reaching the marking level,
 * the connected pixels that rose by L/10 or more form a dim area (at most 256 pixels, half the
 * light and half the rise out of the noise a marked spot needs); a dim area counts only by
 * such a coloured core. Such a pulse is reported a frame later, at the stronger spot of its
 * next frame where there is one.
 * When the rows of a frame are lit unevenly against the background (bands of light and shade,
 * the brightest row an eighth brighter than the darkest: a lamp flickering with the mains seen
 * by a rolling shutter), each row is compared with the background lit by the row's own gain
 * (within a fifth less and a quarter more); rows lit more or less by a sixteenth on average
 * are a change of the whole picture, left to the test of a changed scene.
 * Sizes 1 to 5000 pixels and a minimum distance of 30 pixels match the settings dialog's
 * "default values". */
#define LASER_DEFAULT_LUMINANCE 110
#define LASER_DEFAULT_MIN_SIZE 1
#define LASER_DEFAULT_MAX_SIZE 5000
#define LASER_DEFAULT_MIN_DISTANCE 30

/* CamReadFrame results besides a frame (0 or more). */
#define LASER_NOT_OPEN (-2)
#define LASER_NO_FRAME (-1)

/* CamInit results: LASER_OPENED, or a failure (0 or less). */
#define LASER_OPENED 1
#define LASER_NO_DEVICE (-1)       /* no device at that index */
#define LASER_OPEN_FAILED (-2)     /* the device or file would not open at all */
#define LASER_CAMERA_BUSY (-3)     /* another camera is open and multiple cameras are off */
#define LASER_INTERNAL_ERROR (-4)  /* out of memory, no thread, a failure inside the library */

#pragma pack(push, 4)
/* One detected spot. Coordinates are pixels of the upright picture, origin top left;
 * cx, cy the perspective-corrected position (see CamSetScreenResolution). */
typedef struct SpotRecord {
    int32_t reserved;
    int32_t kind;
    double x;
    double y;
    double cx;
    double cy;
} SpotRecord;

/* Filled by CamReadFrame: up to eight spots, strongest first, then the frame's peak brightness. */
typedef struct FrameBlock {
    SpotRecord spots[LASER_MAX_SPOTS];
    int32_t peakBrightness;
} FrameBlock;
#pragma pack(pop)

#ifdef __cplusplus
static_assert(sizeof(SpotRecord) == 40, "SpotRecord is 40 bytes");
static_assert(sizeof(FrameBlock) == 324, "FrameBlock is 324 bytes");
static_assert(offsetof(SpotRecord, kind) == 4, "kind at 4");
static_assert(offsetof(SpotRecord, x) == 8, "x at 8");
static_assert(offsetof(SpotRecord, y) == 16, "y at 16");
static_assert(offsetof(SpotRecord, cx) == 24, "cx at 24");
static_assert(offsetof(SpotRecord, cy) == 32, "cy at 32");
static_assert(offsetof(FrameBlock, peakBrightness) == 320, "peak brightness at 320");
#else
_Static_assert(sizeof(FrameBlock) == 324, "FrameBlock is 324 bytes");
#endif

/* Library version, for the log. */
LASER_API double CamGetDLLVersion(void);
/* 0 quiet, 1 and more: diagnostic lines on stderr. */
LASER_API void CamSetVerbose(int level);
/* Every open camera grabs and detects in a thread of its own. */
LASER_API void CamEnableThreading(void);
LASER_API void CamDisableThreading(void);
/* Allow up to four cameras open at once. */
LASER_API void CamEnableMulipleCameras(void);
LASER_API void CamDisableMulipleCameras(void);

/* Devices: real V4L2 capture devices first (by node number, named by their driver's card name),
 * then the virtual sources of the environment variable LASER_SOURCES, a ';'-separated list of:
 *   a video file path        "Video: <file name>", played at its own frame rate; at its end the
 *                            camera closes as if unplugged,
 *   a scenario path (.json)  "Simulator: <scenario name>", a simulated camera,
 *   demo                     "Simulator: Demo", a ring target on an angled screen with endless
 *                            random shots.
 * A scenario holds: name; fps (30); noise (grey levels, standard deviation); background
 * {kind: wall | rings | image, image: path beside the scenario, brightness 0-255}; screen: four
 * picture corners (top left, top right, bottom left, bottom right) the background is drawn on;
 * shots: [{t: ms after CamInit, x, y (picture pixels) or sx, sy (0-1000 on the screen), ms,
 * radius, colour: red | green, intensity 0-255}]; random: {every_ms}; loop: true | false
 * (false: the camera vanishes after the last shot). A source that cannot be read stays listed
 * and fails CamInit. Virtual cameras emulate filter setting 0 (brightness) and camera setting 4
 * (exposure) on their picture. */
LASER_API int CamListDevices(void);
/* Writes the NUL-terminated name of device `index` into `buffer` (64 bytes or more).
 * Returns 0, or -1 for an index out of range (buffer then holds an empty string). */
LASER_API int CamGetNameOfDevice(char *buffer, int index);

/* Calls about one camera follow CamSelectCamera(number), number 0-3. */
LASER_API void CamSelectCamera(int number);
/* Opens device `device` for the selected camera. Whatever size the device or file delivers, its
 * pictures and spot positions come out at width x height, each axis scaled on its own.
 * LASER_OPENED (above 0) on success, else one of the failures LASER_NO_DEVICE ... above.
 * No entry point lets an exception out: a failure inside the library gives the entry point's
 * failure value (LASER_INTERNAL_ERROR, LASER_NO_FRAME, null, 0, -1) or, for those without a
 * result, leaves things as they were. */
LASER_API int CamInit(int device, int width, int height);
/* Closes the selected camera. */
LASER_API void CamFree(void);
/* Hands out the oldest frame not yet read: 0 or more for a frame, LASER_NOT_OPEN when the
 * camera is not open, another negative value when no new frame is ready. */
LASER_API int CamReadFrame(FrameBlock *block);

/* Buffers of the current frame: rows 4-byte aligned, bottom row first, valid until the
 * selected camera's next CamReadFrame. Colour: B, G, R. Special grey 6: detection buffer,
 * 0 for detected laser pixels, 1 or more elsewhere. */
LASER_API unsigned char *CamGetColourBuf(void);
LASER_API unsigned char *CamGetGreyBuf(void);
LASER_API unsigned char *CamGetSpecialGreyBuf(int which);
LASER_API int CamGetXMax(void);
LASER_API int CamGetYMax(void);

/* Detection thresholds, kinds LASER_THRESHOLD_*. */
LASER_API void CamSetThreshold(int kind, int value);
LASER_API int CamGetThresholds(int kind);

/* Driver settings. Filter ids: 0 brightness, 1 contrast, 2 hue, 3 saturation, 4 sharpness,
 * 5 gamma, 6 colour enable, 7 white balance, 8 backlight compensation, 9 gain.
 * Camera ids: 0 pan, 1 tilt, 2 roll, 3 zoom, 4 exposure, 5 iris, 6 focus.
 * Getters fill minimum, maximum, step, value, default, flags; they return 0, or -1 when the
 * setting is not available (all outputs 0). Flags: 2 manual, 1 automatic. */
LASER_API int CamGetFilterSetting(int id, int *minimum, int *maximum, int *step, int *value,
                                  int *defaultValue, int *flags);
LASER_API int CamGetCameraSetting(int id, int *minimum, int *maximum, int *step, int *value,
                                  int *defaultValue, int *flags);
LASER_API void CamSetFilterSetting(int id, int value, int flags);
LASER_API void CamSetCameraSetting(int id, int value, int flags);
LASER_API void CamSetFilterSettingPct(int id, float fraction, int flags);
LASER_API void CamSetCameraSettingPct(int id, float fraction, int flags);
/* Starts the system's settings window for the selected real camera, where one exists. */
LASER_API void CamShowSettings(void);
/* Name of the selected camera's device (64 bytes or more). */
LASER_API void CamGetName(char *buffer);

/* Perspective correction of the selected camera: corners 0 top left, 1 top right,
 * 2 bottom left, 3 bottom right in picture pixels; CamPreCalculate solves the mapping;
 * corrected positions then span 0..W x 0..H (CamSetScreenResolution). */
LASER_API void CamSetCorner(int corner, double x, double y);
LASER_API void CamGetCorner(int corner, double *x, double *y);
LASER_API void CamPreCalculate(void);
LASER_API void CamSetScreenResolution(int width, int height);

/* ---- Driver controls: every control a real camera's driver offers ----
 * Video-file and simulated cameras, and cameras that are not open, have none. */

/* Control types. Integer menus come as menus whose item names are their numbers. */
#define LASER_CONTROL_INTEGER 1
#define LASER_CONTROL_BOOLEAN 2
#define LASER_CONTROL_MENU 3
#define LASER_CONTROL_BUTTON 4

/* Control flags. Inactive: the driver ignores the value for now (exposure time while
 * automatic exposure is on); it can still be set. */
#define LASER_CONTROL_READ_ONLY 1
#define LASER_CONTROL_INACTIVE 2

#define LASER_CONTROL_NAME_SIZE 32

#pragma pack(push, 4)
/* One control: its driver id, type, name (NUL-terminated), range, step, default and current
 * value. Menus: minimum and maximum are the first and last item index; items may be missing
 * in between. */
typedef struct LaserControl {
    uint32_t id;
    int32_t type;
    char name[LASER_CONTROL_NAME_SIZE];
    int32_t minimum;
    int32_t maximum;
    int32_t step;
    int32_t defaultValue;
    int32_t value;
    uint32_t flags;
} LaserControl;
#pragma pack(pop)

#ifdef __cplusplus
static_assert(sizeof(LaserControl) == 64, "LaserControl is 64 bytes");
static_assert(offsetof(LaserControl, type) == 4, "type at 4");
static_assert(offsetof(LaserControl, name) == 8, "name at 8");
static_assert(offsetof(LaserControl, minimum) == 40, "minimum at 40");
static_assert(offsetof(LaserControl, maximum) == 44, "maximum at 44");
static_assert(offsetof(LaserControl, step) == 48, "step at 48");
static_assert(offsetof(LaserControl, defaultValue) == 52, "default at 52");
static_assert(offsetof(LaserControl, value) == 56, "value at 56");
static_assert(offsetof(LaserControl, flags) == 60, "flags at 60");
#else
_Static_assert(sizeof(LaserControl) == 64, "LaserControl is 64 bytes");
#endif

/* Writes up to `capacity` controls of the selected camera into `controls` (may be null when
 * capacity is 0), in the driver's order, and returns how many there are in all; -1 on failure. */
LASER_API int CamListControls(LaserControl *controls, int capacity);
/* Name of item `index` of menu control `id` (LASER_CONTROL_NAME_SIZE bytes or more).
 * Returns 0, or -1 when the menu has no such item (buffer then holds an empty string). */
LASER_API int CamGetControlMenuItem(unsigned int id, int index, char *buffer);
/* Current value of control `id`: 0, or -1 when it cannot be read (*value untouched). */
LASER_API int CamGetControl(unsigned int id, int *value);
/* Sets control `id`: 0, or -1 when the driver refuses (read-only, busy, no such control). */
LASER_API int CamSetControl(unsigned int id, int value);

/* ---- Why a camera does not deliver ----
 * The selected camera's last failure to open or to read, a short English text written into
 * `buffer` (`size` bytes, cut to fit, NUL-terminated); an empty text once the camera delivers a
 * picture, after CamFree, or when nothing failed. Returns the full length of the text. Texts:
 *   "no such device"            no device at the index given to CamInit
 *   "file not found"            a video or scenario file that is not there
 *   "file not readable"         a file without read permission
 *   "permission denied"         a device or folder the user may not open
 *   "not a video file"          a file no decoder accepts
 *   "no pictures in the file"   a file that opened but gave no picture
 *   "scenario unreadable"       a scenario file that is not a valid scenario
 *   "device busy"               a device another program holds
 *   "device failed to open"     any other failure to open
 *   "device stopped delivering" a device that went away or stopped giving pictures
 *   "another camera is open"    multiple cameras are off and another camera is open
 * A source that failed to open, or closed before its first picture, is not opened again before
 * a pause has passed: 0.5 s after the first failure, doubling with each further one up to 8 s.
 * Until then CamInit answers LASER_OPEN_FAILED at once. */
LASER_API int CamGetLastError(char *buffer, int size);

/* ---- Capture statistics: how well the selected camera delivers ---- */

#pragma pack(push, 4)
/* Counts since CamInit of the selected camera. Dropped frames come from gaps in the driver's
 * frame sequence numbers for real cameras (sequenceKnown 1), from gaps in the frame times of
 * video-file and simulated cameras (sequenceKnown 0). A frame that arrived but could not be
 * decoded (bad buffer, corrupt or truncated MJPEG) counts as a decode failure, not as dropped.
 * Frames not read: processed, but replaced by a newer one before the program read them (their
 * shots move on, none is lost). */
typedef struct LaserCaptureStats {
    double askedFps;          /* frame rate the device or file is set to; 0 unknown */
    double measuredFps;       /* frames delivered over the last second */
    int64_t framesDelivered;  /* decoded frames handed to detection */
    int64_t framesDropped;    /* frames the camera skipped or the driver lost */
    int64_t decodeFailures;   /* frames that arrived unusable */
    int64_t framesNotRead;    /* processed frames replaced before CamReadFrame took them */
    int64_t lastFrameAgeUs;   /* microseconds since the last frame arrived; -1 before the first */
    uint32_t lastSequence;    /* the driver's sequence number of the last frame */
    int32_t sequenceKnown;    /* 1 when drops are counted from sequence numbers */
    int32_t width;            /* size the source delivers (before scaling to CamInit's size) */
    int32_t height;
    uint32_t pixelFormat;     /* V4L2 fourcc of the capture format; 0 for virtual cameras */
    int32_t reserved;
} LaserCaptureStats;
#pragma pack(pop)

#ifdef __cplusplus
static_assert(sizeof(LaserCaptureStats) == 80, "LaserCaptureStats is 80 bytes");
static_assert(offsetof(LaserCaptureStats, measuredFps) == 8, "measuredFps at 8");
static_assert(offsetof(LaserCaptureStats, framesDelivered) == 16, "framesDelivered at 16");
static_assert(offsetof(LaserCaptureStats, framesDropped) == 24, "framesDropped at 24");
static_assert(offsetof(LaserCaptureStats, decodeFailures) == 32, "decodeFailures at 32");
static_assert(offsetof(LaserCaptureStats, framesNotRead) == 40, "framesNotRead at 40");
static_assert(offsetof(LaserCaptureStats, lastFrameAgeUs) == 48, "lastFrameAgeUs at 48");
static_assert(offsetof(LaserCaptureStats, lastSequence) == 56, "lastSequence at 56");
static_assert(offsetof(LaserCaptureStats, sequenceKnown) == 60, "sequenceKnown at 60");
static_assert(offsetof(LaserCaptureStats, width) == 64, "width at 64");
static_assert(offsetof(LaserCaptureStats, height) == 68, "height at 68");
static_assert(offsetof(LaserCaptureStats, pixelFormat) == 72, "pixelFormat at 72");
#else
_Static_assert(sizeof(LaserCaptureStats) == 80, "LaserCaptureStats is 80 bytes");
#endif

/* Fills `stats` for the selected camera: 0; LASER_NOT_OPEN when it is not open, -1 for a null
 * pointer (stats then zeroed where given). Cheap enough to ask several times a second. */
LASER_API int CamGetCaptureStats(LaserCaptureStats *stats);

/* ---- Frame time ---- */

/* Capture time of the frame the selected camera's last successful CamReadFrame handed out, in
 * microseconds on the monotonic clock (CLOCK_MONOTONIC, the clock of std::chrono::steady_clock);
 * 0 when the camera has handed out none since it was opened. A shot's time is the time of the
 * frame in which its spot was first seen, not the time the frame was read: a frame that carries
 * the shots of frames dropped while the program fell behind gives the capture time of the
 * earliest of those. */
LASER_API int64_t CamGetFrameTime(void);

/* ---- Rejected lit areas: what the laser view shows besides the shots ----
 * Every lit area of the selected camera's current frame (the one CamReadFrame handed out last)
 * that was traced but not taken as laser light, with the first rule that turned it down. */

#define LASER_MAX_REJECTED 16

/* Reasons. */
#define LASER_REJECT_TOO_LARGE 1 /* more pixels than the largest spot allowed */
#define LASER_REJECT_TOO_LONG 2  /* longer than any laser dot: an edge or streak of the room */
#define LASER_REJECT_TOO_FAINT 3 /* rises too little, its core not white, or outshone beside it */
#define LASER_REJECT_NOT_ROUND 4 /* ragged, a crescent or a thin line, not a filled dot */
#define LASER_REJECT_MOVING 5    /* light that moved, lingered or was uncovered, not added */
#define LASER_REJECT_AT_EDGE 6   /* cut by the picture's edge */

#pragma pack(push, 4)
/* One rejected area: its box in pixels of the upright picture (origin top left, as spot
 * positions), its size in pixels and the reason (LASER_REJECT_*). */
typedef struct LaserRejectedSpot {
    int32_t reason;
    int32_t x;
    int32_t y;
    int32_t width;
    int32_t height;
    int32_t pixels;
} LaserRejectedSpot;
#pragma pack(pop)

#ifdef __cplusplus
static_assert(sizeof(LaserRejectedSpot) == 24, "LaserRejectedSpot is 24 bytes");
static_assert(offsetof(LaserRejectedSpot, x) == 4, "x at 4");
static_assert(offsetof(LaserRejectedSpot, y) == 8, "y at 8");
static_assert(offsetof(LaserRejectedSpot, width) == 12, "width at 12");
static_assert(offsetof(LaserRejectedSpot, height) == 16, "height at 16");
static_assert(offsetof(LaserRejectedSpot, pixels) == 20, "pixels at 20");
#else
_Static_assert(sizeof(LaserRejectedSpot) == 24, "LaserRejectedSpot is 24 bytes");
#endif

/* Writes up to `capacity` rejected areas of the selected camera's current frame into `spots`
 * (may be null when capacity is 0), largest first, and returns how many there are (at most
 * LASER_MAX_REJECTED); 0 without a frame, -1 on failure. */
LASER_API int CamGetRejectedSpots(LaserRejectedSpot *spots, int capacity);

/* ---- Shot wake-up ----
 * A descriptor (an eventfd) that becomes readable whenever a camera thread has queued a frame
 * with a laser shot, so that a program which reads frames on a timer can fetch that frame at once
 * instead of at its next tick. Reading 8 bytes from it clears it; the frames themselves are read
 * with CamReadFrame as always, camera by camera. It counts for all cameras, belongs to the library
 * and stays open until the library is unloaded; -1 where the system cannot make one. Frames are
 * only signalled from the moment this was first called. */
LASER_API int CamGetShotNotifier(void);

#ifdef __cplusplus
}
#endif

#endif
