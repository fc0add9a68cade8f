/* Control entry points of the scripted camera library that GUI tests load instead of the real one.
 * A test queues frames, sets device lists, CamInit results and setting ranges, and reads back
 * which entry points the program called with which arguments. */
#ifndef SCRIPTEDLASER_H
#define SCRIPTEDLASER_H

#include "laser.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Back to the start: no devices, no frames, empty call log, CamInit succeeding with 1. */
LASER_API void ScriptReset(void);
/* Device names separated by '\n'; an empty string for none. */
LASER_API void ScriptSetDevices(const char *names);
/* What CamInit returns for `camera` from now on. */
LASER_API void ScriptSetInitResult(int camera, int result);
/* Queues a CamReadFrame result for `camera`: a frame (result >= 0) with `block` (may be null:
 * no spots) and buffers filled with the given values; or a bare negative result, where
 * LASER_NOT_OPEN also closes the camera. With nothing queued an open camera answers
 * LASER_NO_FRAME and a closed one LASER_NOT_OPEN. */
LASER_API void ScriptQueueFrame(int camera, int result, const FrameBlock *block, unsigned char colourFill,
                                unsigned char greyFill, unsigned char detectionFill);
/* Sets one pixel (upright coordinates) of the last queued frame's buffer: 0 colour (all three
 * bytes), 1 grey, 2 detection. */
LASER_API void ScriptSetPixel(int camera, int buffer, int x, int y, unsigned char value);
LASER_API int ScriptQueuedFrames(int camera);
/* Range and value of a setting: kind 0 filter, 1 camera. */
LASER_API void ScriptSetSetting(int kind, int id, int minimum, int maximum, int value);
LASER_API int ScriptGetSettingValue(int camera, int kind, int id);
/* The threshold value the library reports. */
LASER_API void ScriptSetThresholdValue(int camera, int kind, int value);
/* Open cameras offer six driver controls: brightness, automatic white balance, power-line
 * frequency, automatic exposure (a menu with items 1 and 3 only; 1 manual makes exposure time
 * active), exposure time (inactive at first) and a read-only focus. Closed cameras offer none. */
/* Every call except the polled ones (CamListDevices, CamReadFrame, CamSelectCamera, buffer
 * getters), one line each such as "3 CamSetCorner(1,512.5,96.5)" with the selected camera first. */
LASER_API const char *ScriptCallLog(void);
LASER_API void ScriptClearLog(void);
/* How often an entry point was called, including the polled ones. */
LASER_API int ScriptCallCount(const char *name);

#ifdef __cplusplus
}
#endif

#endif
