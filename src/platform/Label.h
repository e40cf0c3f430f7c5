#pragma once

#include <NorvoUITOKA/norvouitoka_export.h>
#include <NorvoUITOKA/platform/Control.h>
#include <NorvoUITOKA/platform/Font.h>

namespace norvo {

/// How a label's caption lies in its width.
enum class Alignment {
    Left, ///< Against the left edge.
    Right, ///< Against the right edge.
    Center, ///< Centred.
};

/// A windowless text or colour block painted on its container; windowed
/// siblings always cover it.
class NORVOUITOKA_EXPORT Label : public Control {
public:
    /// A label without a caption, named as code finds it.
    explicit Label(std::string name, int index = NoIndex);

    ///@{
    /// The text shown, in ForeColor and the label's font.
    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& value) { assign(caption_, value, Property::Caption); }
    ///@}
    ///@{
    /// A spare text the label keeps for its owner; never shown.
    const std::string& tag() const { return tag_; }
    void setTag(const std::string& value);
    ///@}
    ///@{
    /// The caption's font, whole or by name or size alone.
    const Font& font() const { return font_; }
    void setFont(const Font& value);
    void setFontName(const std::string& value);
    void setFontSize(double value);
    ///@}
    ///@{
    /// Whether the container shows through (no BackColor fill).
    bool transparent() const { return transparent_; }
    void setTransparent(bool value);
    ///@}
    ///@{
    /// Where the caption lies in the label's width.
    Alignment alignment() const { return alignment_; }
    void setAlignment(Alignment value);
    ///@}

private:
    std::string caption_;
    std::string tag_;
    Font font_;
    bool transparent_ = false;
    Alignment alignment_ = Alignment::Left;
};

} // namespace norvo
