#pragma once

#include <NorvoUITOKA/norvouitoka_export.h>
#include <NorvoUITOKA/platform/Control.h>
#include <NorvoUITOKA/platform/Font.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace norvo {

/// An editable text with a drop-down list of items.
class NORVOUITOKA_EXPORT ComboBox : public Control {
public:
    /// An empty combo box, named as code finds it.
    explicit ComboBox(std::string name, int index = NoIndex);

    ///@{
    /// The text in the edit field; a new text keeps the caret and the
    /// selection inside it.
    const std::string& text() const { return text_; }
    void setText(const std::string& value);
    ///@}
    ///@{
    /// Caret position and selection length, in characters of the text; a
    /// position outside the text throws std::out_of_range, and moving the
    /// caret shortens a selection that would reach past the end.
    std::int32_t selStart() const { return selStart_; }
    std::int32_t selLength() const { return selLength_; }
    void setSelStart(std::int32_t value);
    void setSelLength(std::int32_t value);
    ///@}

    /// How many items the list holds.
    std::int32_t listCount() const { return static_cast<std::int32_t>(items_->size()); }
    /// The item at a position of the list; std::out_of_range outside it.
    const std::string& list(std::int32_t position) const;
    ///@{
    /// The items of the drop-down list, top first.
    const std::vector<std::string>& items() const { return *items_; }
    void setItems(const std::vector<std::string>& items);
    ///@}
    /// Shows a list that its owner keeps, without a copy of it: the owner
    /// replaces its list as a whole and never changes it in place.
    void shareItems(std::shared_ptr<const std::vector<std::string>> items);

    ///@{
    /// The font of the text and the list.
    const Font& font() const { return font_; }
    void setFont(const Font& value);
    ///@}

private:
    std::int32_t textLength() const;
    void checkPosition(std::int32_t position, std::int32_t limit, const char* what) const;

    std::string text_;
    std::int32_t selStart_ = 0;
    std::int32_t selLength_ = 0;
    std::shared_ptr<const std::vector<std::string>> items_;
    Font font_;
};

} // namespace norvo
