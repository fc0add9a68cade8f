// SPDX-License-Identifier: LGPL-2.1-or-later
// Spot: one lit area found in a frame, and the thresholds that decide what counts as one.
#pragma once

#include "laser.h"

// One connected area of laser pixels. Coordinates are pixels of the upright picture.
struct Spot
{
    double x = 0.0;
    double y = 0.0;
    double cx = 0.0;     // perspective-corrected position
    double cy = 0.0;
    double strength = 0.0; // sum of brightness above the threshold; orders spots
    int pixels = 0;
    int boxX = 0; // bounding box in the detector's buffer rows
    int boxY = 0;
    int width = 0;
    int height = 0;
    int peakColumn = 0; // brightest pixel, in the detector's buffer rows
    int peakRow = 0;
    int peakRise = 0;   // brightest pixel over the background
    int coreGrey = 0;   // brightest pixel of those that rose by at least half the peak rise
    double elongation = 1.0; // long over short axis: 1 round, more for a streak
    double length = 0.0;     // of a bar with the same spread, pixels
    double fill = 1.0;       // share of its moment ellipse the area covers
    int whiteness = 0;  // share (0-255) of the gap to white the core's weakest channel closes
    int colourShare = 0; // the same for its strongest channel
    bool faint = false; // stands out of the picture's noise, yet closes too little of the gap to white
    bool laser = true;  // passes every test of laser light; others only mark lingering light
                        // (the detector clears it for an area the scene held before)
    int rejected = 0;   // LASER_REJECT_* of the first test it failed, 0 while it passes
    bool colourOnly = false; // laser light by its coloured core alone, its grey rise too small
    bool dim = false; // rose by less than the marking level: counts only by a coloured core
    bool wasLarge = false; // its brightest pixel belonged to a large lit area the frame before
    // Judged against the scene's memory: something bright moved away from around it, and the
    // background there still holds that thing's light.
    bool leftBehind = false;
    // An area too faint to be a spot: it only carries on a laser spot lit over it before (a
    // trigger held, the dot sinking into the background), and is never a shot itself.
    bool fading = false;
};

// Detection thresholds as the program sets them (kinds 1-4 of CamSetThreshold).
struct DetectorThresholds
{
    int luminance = LASER_DEFAULT_LUMINANCE;
    int minSize = LASER_DEFAULT_MIN_SIZE;
    int maxSize = LASER_DEFAULT_MAX_SIZE;
    int minDistance = LASER_DEFAULT_MIN_DISTANCE;
};
