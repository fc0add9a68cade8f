// Spot: one lit area found in a frame, and the thresholds that decide what counts as one.
#pragma once

// One connected area of laser pixels. Coordinates are pixels of the upright picture.
struct Spot
{
    double x = 0.0;
    double y = 0.0;
    double cx = 0.0;     // perspective-corrected position
    double cy = 0.0;
    double strength = 0.0; // sum of brightness above the threshold; orders spots
    int pixels = 0;
};

// Detection thresholds as the program sets them (kinds 1-4 of CamSetThreshold).
struct DetectorThresholds
{
    int luminance = 40;
    int minSize = 1;
    int maxSize = 5000;
    int minDistance = 30;
};
