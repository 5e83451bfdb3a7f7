#pragma once

namespace ui {

struct IconOrigin {
    int x;
    int y;
};

// Where a minimised window draws its icon: centred in the client area, rounding
// up on odd differences; a client area smaller than the icon gives negative
// coordinates, truncated toward zero.
inline IconOrigin CenteredIconOrigin(int clientWidth, int clientHeight, int iconWidth,
                                     int iconHeight) {
    return {(clientWidth - iconWidth + 1) / 2, (clientHeight - iconHeight + 1) / 2};
}

} // namespace ui
