#pragma once

#include <NorvoUITOKA/labels/UserLabel.h>
#include <NorvoUITOKA/norvouitoka_export.h>
#include <NorvoUITOKA/platform/Surface.h>

#include <optional>

namespace norvo {

/// A UserLabel with a second look: a non-zero Style shows one image of the
/// built-in sprite sheet, chosen by Style and Status, stretched over the whole
/// control. Style 0 behaves exactly like UserLabel.
class NORVOUITOKA_EXPORT UserLabelGraph : public UserLabel {
public:
    ///@{
    /// The drawing surface's size in pixels: the sprite sheet's 590 by 50
    /// at the top, and below it, from WorkBandTop, the band that keeps an
    /// intact copy of the sheet once the first image is drawn.
    static constexpr std::int32_t SurfaceWidth = 590;
    static constexpr std::int32_t SurfaceHeight = 100;
    static constexpr std::int32_t WorkBandTop = 50;
    ///@}

    /// A new instance at its creation values, the sheet on its surface.
    UserLabelGraph(std::string name, int index, Clock& clock);

    /// The control's persistent drawing surface; its top-left inner-size block
    /// is what the control shows.
    const Surface& surface() const { return surface_; }
    /// True until the first picture draw has copied the sheet into the band.
    bool SheetPending() const { return sheetPending_; }
    /// The sheet rectangle (sheet coordinates) last drawn; none before any.
    const std::optional<Rect>& SpriteRect() const { return spriteRect_; }
    /// The sheet rectangle that the visible block shows, stretched over the
    /// whole control, when that is all it shows; none in the colour look, for
    /// a rectangle reaching past the sheet, or while the control is larger
    /// than the surface or draws over the band. A front end may draw the same
    /// image from denser artwork.
    std::optional<Rect> shownSprite() const;

    /// The sheet rectangle of a style and reduced state; x may lie outside the
    /// sheet for styles without an image. ArithmeticOverflow when x does not
    /// fit 32 bits (setting such a Style raises it and leaves the look as it was).
    static Rect spriteRectFor(std::int32_t style, std::int32_t state);

protected:
    void RefreshStyle() override;
    void resizeChildren() override;

private:
    Surface surface_;
    bool sheetPending_ = true;
    std::optional<Rect> spriteRect_;
    /// What the visible block shows while the picture look is on.
    struct Shown {
        std::int32_t style = 0;
        std::int32_t state = 0;
        Rect area;
        /// The area covers the image's place in the band.
        bool overBand = false;
    };
    std::optional<Shown> shown_;
};

} // namespace norvo
