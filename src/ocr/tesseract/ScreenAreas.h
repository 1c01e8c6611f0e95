#pragma once

#include <QImage>
#include <QRect>

#include <vector>

// A screen is made of flat-coloured areas (pages, panes, bubbles, buttons, badges, table cells)
// with text drawn on them in any colour. This finds those backgrounds and measures every
// pixel against the background it lies on, so that white text on a blue bubble, dark text on a
// grey one and a blue link on a near-black page all come out as dark ink on white. Shapes that
// are themselves flat areas (filled boxes, switches, avatars of one colour) vanish with them.
class ScreenAreas
{
public:
    struct Segmented {
        // Where backgrounds of several colours make up the capture, its ink on white: 0 where
        // a pixel differs most from its background, 255 on the background. Null otherwise:
        // one background's text needs no areas.
        QImage ink;
        // Thin upright lines of one colour: a table's grid, a pane's divider, and some
        // strokes of glyphs.
        std::vector<QRect> uprightLines;
        // False for a capture without flat backgrounds to speak of: a photo, noise, a scanned
        // page with its grain.
        bool flatBackgrounds = false;
        bool severalBackgrounds = false;
    };
    // An opaque capture; transparency is the caller's to flatten.
    static Segmented segment(const QImage &rgb);

    // Whether a capture has flat backgrounds to speak of: below this share of its pixels it is
    // taken for a picture.
    static constexpr double leastBackgroundShare = 0.2;
};
