#include "labels/UserLabelGraph.h"

#include "labels/SpriteSheet.h"
#include "platform/CheckedMath.h"

namespace norvo {

namespace {

constexpr std::int32_t DesignWidth = 544;
constexpr std::int32_t DesignHeight = 104;

// x = (state + 2 * style) * width - offset, raising on 32-bit overflow.
std::int32_t spriteX(std::int32_t style, std::int32_t state, std::int32_t width, std::int32_t offset)
{
    return checkedAdd(checkedMul(checkedAdd(state, checkedMul(2, style)), width), -offset);
}

} // namespace

UserLabelGraph::UserLabelGraph(std::string name, int index, Clock& clock)
    : UserLabel(ControlKind::UserLabelGraph, std::move(name), index, clock, DesignWidth, DesignHeight)
    , surface_(SurfaceWidth, SurfaceHeight, UserLabel::DesignBackColor)
{
    SpriteSheet::drawOnto(surface_);
}

Rect UserLabelGraph::spriteRectFor(std::int32_t style, std::int32_t state)
{
    if (style >= 1 && style <= 3)
        return {spriteX(style, state, 17, 34), 0, 17, 17};
    if (style == 4)
        return {spriteX(style, state, 18, 42), 0, 18, 19};
    if (style == 5 || style == 6)
        return {spriteX(style, state, 18, 42), 0, 18, 16};
    if (style == 7)
        return {spriteX(style, state, 20, 70), 0, 20, 20};
    return {spriteX(style, state, 20, 50), 0, 20, 12};
}

void UserLabelGraph::RefreshStyle()
{
    if (Style() == 0) {
        shown_.reset();
        showColourLook();
        return;
    }
    // A status set to the image on show, the caption already out of the way:
    // nothing changes, and nothing needs working out (the panel sets the
    // status of every speaker button on each refresh).
    if (shown_ && shown_->style == Style() && shown_->state == Status() && !shown_->overBand
        && shown_->area == Rect{0, 0, width(), height()} && !shpCaption().visible() && lblCaption().caption().empty())
        return;
    const std::int32_t state = Status() % (Style() == 7 ? 3 : 2);
    const bool sameImage = shown_ && shown_->style == Style() && shown_->state == state;
    // Chosen before anything changes, so that a style past the sheet's
    // arithmetic raises and leaves the look as it was.
    const Rect sprite = sameImage ? *spriteRect_ : spriteRectFor(Style(), state);

    if (sheetPending_) {
        sheetPending_ = false;
        surface_.copy(Rect{0, 0, SurfaceWidth, WorkBandTop}, 0, WorkBandTop);
    }
    storeStatus(state);
    shpCaption().setVisible(false);
    if (!lblCaption().caption().empty()) {
        lblCaption().setTag(lblCaption().caption());
        lblCaption().setCaption({});
    }

    const Rect source{sprite.x, WorkBandTop + sprite.y, sprite.width, sprite.height};
    const Rect area{0, 0, width(), height()};
    // Nothing else draws on the visible block: the same image over the same
    // area leaves every pixel as it was, unless the area reaches into the
    // band it is taken from (a control taller than the band's top). A redraw
    // that would change no pixel is not made, nor announced.
    if (sameImage && shown_->area == area && !shown_->overBand)
        return;
    surface_.stretch(source, area);
    spriteRect_ = sprite;
    shown_ = Shown{Style(), state, area, overlaps(area, source)};
    changed(Property::Picture);
}

std::optional<Rect> UserLabelGraph::shownSprite() const
{
    if (!shown_ || shown_->overBand || width() > SurfaceWidth || height() > SurfaceHeight)
        return std::nullopt;
    const Rect& sprite = *spriteRect_;
    const bool onSheet = sprite.x >= 0 && sprite.y >= 0 && std::int64_t{sprite.x} + sprite.width <= SpriteSheet::Width
        && std::int64_t{sprite.y} + sprite.height <= SpriteSheet::Height;
    return onSheet ? spriteRect_ : std::nullopt;
}

void UserLabelGraph::resizeChildren()
{
    UserLabel::resizeChildren();
    ignoringErrors([this] { RefreshStyle(); });
}

} // namespace norvo
