// SPDX-License-Identifier: GPL-3.0-or-later
// View fitting geometry.
#include "viewfit.h"

#include <algorithm>

ViewFit ComputeViewFit(const QSize &frameSize, bool cam2On, bool cam3On, bool cam4On)
{
    ViewFit fit;
    const int w = (cam2On || cam4On) ? 1280 : 640;
    const int h = (cam3On || cam4On) ? 960 : 480;
    fit.sceneSize = QSize(w, h);
    const double fw = frameSize.width();
    const double fh = frameSize.height();
    fit.scale = std::min(fw / w, fh / h);
    const double vw = w * fit.scale;
    const double vh = h * fit.scale;
    fit.viewGeometry = QRect(int((fw - vw) / 2), int((fh - vh) / 2), int(vw), int(vh));
    return fit;
}
