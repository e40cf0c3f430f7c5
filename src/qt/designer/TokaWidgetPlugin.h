#pragma once

#include <QtUiPlugin/QDesignerCustomWidgetInterface>

namespace norvo::qt {

// The voice panel in Designer's widget box: placed in a form, it shows the
// unbound panel; the host gives it a voice client at run time.
class TokaWidgetPlugin final : public QDesignerCustomWidgetInterface {
public:
    QString name() const override;
    QString group() const override;
    QString toolTip() const override;
    QString whatsThis() const override;
    QString includeFile() const override;
    QIcon icon() const override;
    bool isContainer() const override;
    QWidget* createWidget(QWidget* parent) override;
    QString domXml() const override;
};

} // namespace norvo::qt
