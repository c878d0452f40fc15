#include "app/ui/wizard_header.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "app/ui/components.h"
#include "app/ui/screen_choice.h"
#include "app/wizard/wizard.h"

namespace app::ui {

WizardHeader::WizardHeader(QWidget* parent) : QWidget(parent) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(4, 0, 4, 0);
    column->setSpacing(6);
    auto* top = new QHBoxLayout;
    top->setSpacing(14);
    QLabel* title = makeLabel(QCoreApplication::translate("Screens", "Tunewright"),
                              QStringLiteral("appTitle"), this);
    title->setWordWrap(false);
    top->addWidget(title);
    pill_ = makeLabel({}, QStringLiteral("pill"), this);
    pill_->setObjectName(QStringLiteral("stepPill"));
    pill_->setWordWrap(false);
    top->addWidget(pill_, 0, Qt::AlignVCenter);
    top->addStretch(1);
    column->addLayout(top);
    subtitle_ = makeLabel({}, QStringLiteral("subtitle"), this);
    subtitle_->setObjectName(QStringLiteral("subtitle"));
    column->addWidget(subtitle_);
    status_ = makeLabel({}, QStringLiteral("status"), this);
    status_->setObjectName(QStringLiteral("status"));
    status_->setAccessibleName(QCoreApplication::translate("Screens", "Status"));
    column->addWidget(status_);
}

void WizardHeader::refresh(const Wizard& view) {
    const HeaderTexts texts = headerFor(view);
    subtitle_->setText(texts.subtitle);
    pill_->setText(texts.stepPill);
    status_->setText(view.state().status);
    status_->setAccessibleDescription(view.state().status);
}

}  // namespace app::ui
