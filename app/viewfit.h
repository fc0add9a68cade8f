// SPDX-License-Identifier: GPL-3.0-or-later
// View fitting: the scene size for the switched-on cameras and the view's place in its frame.
#pragma once

#include <QRect>
#include <QSize>

struct ViewFit
{
    QSize sceneSize; // 640 or 1280 by 480 or 960
    double scale = 1.0; // uniform view scale
    QRect viewGeometry; // inside the frame, centred, truncated to whole pixels
};

// Camera 2 or 4 on widens the scene to two columns, camera 3 or 4 on makes it two rows.
ViewFit ComputeViewFit(const QSize &frameSize, bool cam2On, bool cam3On, bool cam4On);
