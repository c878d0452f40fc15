#pragma once
// The header above every screen: the product title, the subtitle, the step
// pill and the one-line status message.

#include <QLabel>
#include <QWidget>

namespace app {
class Wizard;
}

namespace app::ui {

class WizardHeader : public QWidget {
public:
    explicit WizardHeader(QWidget* parent = nullptr);
    void refresh(const Wizard& view);

    QString subtitle() const { return subtitle_->text(); }
    QString stepPill() const { return pill_->text(); }
    QString status() const { return status_->text(); }

private:
    QLabel* subtitle_;
    QLabel* pill_;
    QLabel* status_;
};

}  // namespace app::ui
