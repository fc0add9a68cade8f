// SPDX-License-Identifier: LGPL-2.1-or-later
// Homography: solving and applying the picture-to-screen projective mapping.
#include "homography.h"

#include <cmath>
#include <utility>

bool SolveHomography(const double src[4][2], const double dst[4][2], double h[9])
{
    // Eight equations in h0..h7: u = (h0 x + h1 y + h2) / (h6 x + h7 y + 1), v likewise.
    double a[8][9];
    for (int i = 0; i < 4; ++i) {
        const double x = src[i][0], y = src[i][1], u = dst[i][0], v = dst[i][1];
        double *r = a[2 * i];
        r[0] = x; r[1] = y; r[2] = 1; r[3] = 0; r[4] = 0; r[5] = 0; r[6] = -u * x; r[7] = -u * y; r[8] = u;
        r = a[2 * i + 1];
        r[0] = 0; r[1] = 0; r[2] = 0; r[3] = x; r[4] = y; r[5] = 1; r[6] = -v * x; r[7] = -v * y; r[8] = v;
    }
    double scale = 0.0;
    for (auto &row : a)
        for (int c = 0; c < 8; ++c)
            scale = std::max(scale, std::fabs(row[c]));
    if (scale == 0.0)
        return false;
    for (int col = 0; col < 8; ++col) {
        int pivot = col;
        for (int r = col + 1; r < 8; ++r)
            if (std::fabs(a[r][col]) > std::fabs(a[pivot][col]))
                pivot = r;
        if (std::fabs(a[pivot][col]) < 1e-12 * scale)
            return false;
        if (pivot != col)
            for (int c = 0; c < 9; ++c)
                std::swap(a[pivot][c], a[col][c]);
        for (int r = 0; r < 8; ++r) {
            if (r == col)
                continue;
            const double f = a[r][col] / a[col][col];
            if (f == 0.0)
                continue;
            for (int c = col; c < 9; ++c)
                a[r][c] -= f * a[col][c];
        }
    }
    for (int i = 0; i < 8; ++i)
        h[i] = a[i][8] / a[i][i];
    h[8] = 1.0;
    return true;
}

bool ApplyHomography(const double h[9], double x, double y, double *outX, double *outY)
{
    const double w = h[6] * x + h[7] * y + h[8];
    if (std::fabs(w) < 1e-15)
        return false;
    *outX = (h[0] * x + h[1] * y + h[2]) / w;
    *outY = (h[3] * x + h[4] * y + h[5]) / w;
    return true;
}

Homography::Homography()
{
    for (auto &c : corners)
        c[0] = c[1] = 0.0;
    for (double &m : matrix)
        m = 0.0;
}

void Homography::SetCorner(int corner, double x, double y)
{
    if (corner < 0 || corner > 3)
        return;
    corners[corner][0] = x;
    corners[corner][1] = y;
}

bool Homography::Corner(int corner, double *x, double *y) const
{
    if (corner < 0 || corner > 3)
        return false;
    *x = corners[corner][0];
    *y = corners[corner][1];
    return true;
}

bool Homography::PreCalculate()
{
    static const double unit[4][2] = {{0, 0}, {1, 0}, {0, 1}, {1, 1}};
    double m[9];
    if (!SolveHomography(corners, unit, m))
        return false;
    std::copy(m, m + 9, matrix);
    solved = true;
    return true;
}

void Homography::SetScreenResolution(int width, int height)
{
    screenWidth = width;
    screenHeight = height;
}

void Homography::SetPictureSize(int width, int height)
{
    if (width > 0 && height > 0) {
        pictureWidth = width;
        pictureHeight = height;
    }
}

void Homography::Map(double x, double y, double *cx, double *cy) const
{
    double u = x / pictureWidth, v = y / pictureHeight;
    if (solved && !ApplyHomography(matrix, x, y, &u, &v))
        u = v = 0.0;
    *cx = u * screenWidth;
    *cy = v * screenHeight;
}
