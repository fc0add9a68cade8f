// Camera library entry points. Until capture is in place it offers no device.
#include "laser.h"

#include <cstring>
#include <initializer_list>

extern "C" {

double CamGetDLLVersion(void) { return 0.1; }
void CamSetVerbose(int) {}
void CamEnableThreading(void) {}
void CamDisableThreading(void) {}
void CamEnableMulipleCameras(void) {}
void CamDisableMulipleCameras(void) {}
int CamListDevices(void) { return 0; }
int CamGetNameOfDevice(char *buffer, int) { if (buffer) buffer[0] = 0; return -1; }
void CamSelectCamera(int) {}
int CamInit(int, int, int) { return -1; }
void CamFree(void) {}
int CamReadFrame(FrameBlock *block) { if (block) std::memset(block, 0, sizeof *block); return LASER_NOT_OPEN; }
unsigned char *CamGetColourBuf(void) { return nullptr; }
unsigned char *CamGetGreyBuf(void) { return nullptr; }
unsigned char *CamGetSpecialGreyBuf(int) { return nullptr; }
int CamGetXMax(void) { return 0; }
int CamGetYMax(void) { return 0; }
void CamSetThreshold(int, int) {}
int CamGetThresholds(int) { return 0; }
int CamGetFilterSetting(int, int *a, int *b, int *c, int *d, int *e, int *f) { for (int *p : {a, b, c, d, e, f}) if (p) *p = 0; return -1; }
int CamGetCameraSetting(int, int *a, int *b, int *c, int *d, int *e, int *f) { for (int *p : {a, b, c, d, e, f}) if (p) *p = 0; return -1; }
void CamSetFilterSetting(int, int, int) {}
void CamSetCameraSetting(int, int, int) {}
void CamSetFilterSettingPct(int, float, int) {}
void CamSetCameraSettingPct(int, float, int) {}
void CamShowSettings(void) {}
void CamGetName(char *buffer) { if (buffer) buffer[0] = 0; }
void CamSetCorner(int, double, double) {}
void CamGetCorner(int, double *x, double *y) { if (x) *x = 0; if (y) *y = 0; }
void CamPreCalculate(void) {}
void CamSetScreenResolution(int, int) {}

}
