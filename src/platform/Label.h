#pragma once

#include <NorvoUITOKA/norvouitoka_export.h>
#include <NorvoUITOKA/platform/Control.h>
#include <NorvoUITOKA/platform/Font.h>

namespace norvo {

enum class Alignment { Left, Right, Center };

// A windowless text or colour block painted on its container; windowed
// siblings always cover it.
class NORVOUITOKA_EXPORT Label : public Control {
public:
    explicit Label(std::string name, int index = NoIndex);

    const std::string& caption() const { return caption_; }
    // Inline: the radio refresh sets both frequencies, mostly to what they are.
    void setCaption(const std::string& value) { assign(caption_, value, Property::Caption); }
    const std::string& tag() const { return tag_; }
    void setTag(const std::string& value);
    const Font& font() const { return font_; }
    void setFont(const Font& value);
    void setFontName(const std::string& value);
    void setFontSize(double value);
    bool transparent() const { return transparent_; }
    void setTransparent(bool value);
    Alignment alignment() const { return alignment_; }
    void setAlignment(Alignment value);

private:
    std::string caption_;
    std::string tag_;
    Font font_;
    bool transparent_ = false;
    Alignment alignment_ = Alignment::Left;
};

} // namespace norvo
