// SPDX-License-Identifier: LGPL-2.1-or-later
// Homography: the projective mapping from a quadrilateral in the picture to the screen rectangle.
#pragma once

// Solves the 3x3 projective matrix (h[8] = 1) that maps the four src points onto the four dst
// points, in double precision. Returns false when the points are degenerate.
bool SolveHomography(const double src[4][2], const double dst[4][2], double h[9]);
// Applies h to (x, y); false when the point maps to infinity.
bool ApplyHomography(const double h[9], double x, double y, double *outX, double *outY);

// Maps picture points onto a W x H screen given by four corners (0 top left, 1 top right,
// 2 bottom left, 3 bottom right); before the corners are solved it scales the picture.
class Homography
{
public:
    Homography();

    void SetCorner(int corner, double x, double y);
    bool Corner(int corner, double *x, double *y) const;
    // Solves the mapping from the corners set so far; false (scaling kept) when degenerate.
    bool PreCalculate();
    void SetScreenResolution(int width, int height);
    void SetPictureSize(int width, int height);
    bool IsSolved() const { return solved; }

    void Map(double x, double y, double *cx, double *cy) const;

private:
    double corners[4][2];
    double matrix[9]; // picture to the unit square
    bool solved = false;
    int screenWidth = 1000;
    int screenHeight = 1000;
    int pictureWidth = 640;
    int pictureHeight = 480;
};
