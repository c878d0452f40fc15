#include "app/ui/wizard_window.h"

#include <QCoreApplication>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>

#include "app/ui/create_edit_card.h"
#include "app/ui/desktop_notification.h"
#include "app/ui/instructions_card.h"
#include "app/ui/main_button_keys.h"
#include "app/ui/songs_card.h"
#include "app/ui/symbols.h"
#include "app/ui/tools_card.h"
#include "app/ui/window_fit.h"
#include "app/ui/wizard_header.h"
#include "app/ui/wizard_style.h"
#include "app/wizard/wizard.h"

namespace app::ui {
namespace {

QIcon drawnAppIcon() {
    QIcon icon;
    for (const int side : {32, 64, 128}) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(palette::window());
        painter.drawRoundedRect(QRectF(0, 0, side, side), side * 0.22, side * 0.22);
        const int inset = side / 6;
        painter.drawPixmap(
            inset, inset,
            symbolPixmap(QStringLiteral("waveform"), palette::accent(), side - 2 * inset));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace

WizardWindow::WizardWindow(Wizard& view, QWidget* parent) : QMainWindow(parent), view_(view) {
    setWindowTitle(QCoreApplication::translate("Screens", "Tunewright"));
    setWindowIcon(drawnAppIcon());
    resize(preferredWindowSize);
    setMinimumSize(minimumWindowSize);

    auto* root = new QWidget(this);
    root->setObjectName(QStringLiteral("wizardRoot"));
    // On the window's content only: the file pickers parented to the window keep their own look.
    root->setStyleSheet(wizardStyleSheet());
    rootLayout_ = new QVBoxLayout(root);
    rootLayout_->setContentsMargins(contentMargin, contentMargin, contentMargin, contentMargin);
    rootLayout_->setSpacing(headerCardGap);

    header_ = new WizardHeader(root);
    rootLayout_->addWidget(header_);

    scrollArea_ = new QScrollArea(root);
    scrollArea_->setWidgetResizable(true);
    scrollArea_->setFrameShape(QFrame::NoFrame);
    scrollArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("wizardContent"));
    contentLayout_ = new QVBoxLayout(content);
    contentLayout_->setContentsMargins(0, 0, 0, 0);
    contentLayout_->setSpacing(headerCardGap);
    toolsCard_ = new ToolsCard(view_, content);
    songsCard_ = new SongsCard(view_, content);
    instructionsCard_ = new InstructionsCard(view_, content);
    createEditCard_ = new CreateEditCard(view_, content);
    for (ScreenCard* card :
         {static_cast<ScreenCard*>(toolsCard_), static_cast<ScreenCard*>(songsCard_),
          static_cast<ScreenCard*>(instructionsCard_), static_cast<ScreenCard*>(createEditCard_)}) {
        card->hide();
        contentLayout_->addWidget(card);
    }
    contentLayout_->addStretch(1);
    scrollArea_->setWidget(content);
    rootLayout_->addWidget(scrollArea_, 1);
    setCentralWidget(root);

    // The main button of each screen: Ctrl+Return (a plain Return belongs to the fields).
    new MainButtonKeys(this, [this] { pressMainButton(); });

    connect(&view_, &Wizard::changed, this, &WizardWindow::refresh);
    desktopNotification_ = new DesktopNotification(view_, *this);
    refresh();
}

ScreenCard* WizardWindow::currentCard() const {
    switch (currentScreen_) {
        case WizardScreen::songs:
            return songsCard_;
        case WizardScreen::instructions:
            return instructionsCard_;
        case WizardScreen::createEdit:
            return createEditCard_;
        case WizardScreen::tools:
            break;
    }
    return toolsCard_;
}

void WizardWindow::refresh() {
    currentScreen_ = screenFor(view_);
    header_->refresh(view_);
    ScreenCard* card = currentCard();
    const bool switched = card->isHidden();  // only the current card is ever shown
    card->refresh();
    if (switched) {
        for (ScreenCard* other :
             {static_cast<ScreenCard*>(toolsCard_), static_cast<ScreenCard*>(songsCard_),
              static_cast<ScreenCard*>(instructionsCard_),
              static_cast<ScreenCard*>(createEditCard_)}) {
            other->setVisible(other == card);
        }
        scrollArea_->verticalScrollBar()->setValue(0);
    }
}

void WizardWindow::pressMainButton() {
    QPushButton* button = currentCard()->mainButton();
    if (button != nullptr && button->isVisible() && button->isEnabled()) button->animateClick();
}

void WizardWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shownOnce_) return;
    shownOnce_ = true;
    view_.startUp();
    // After the first layout pass, as the window system has placed the window by then.
    QTimer::singleShot(0, this, [this] {
        ensureReadableWindowSize();
        if (firstShowHandler_) firstShowHandler_();
    });
}

void WizardWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    applyScrollRule();
}

void WizardWindow::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    // The window manager frames the window only after it is shown; once the title bar
    // and borders are known, the fit is done again with them.
    if (fitAwaitsFrame_ && frameGeometry() != geometry()) {
        fitAwaitsFrame_ = false;
        ensureReadableWindowSize();
    }
}

void WizardWindow::applyScrollRule() {
    const bool scrolls = centralWidget()->height() < scrollThresholdHeight;
    if (scrolls == headerScrolls_) return;
    headerScrolls_ = scrolls;
    if (scrolls) {
        contentLayout_->insertWidget(0, header_);
    } else {
        rootLayout_->insertWidget(0, header_);
    }
}

void WizardWindow::ensureReadableWindowSize() {
    // The frame, title bar and borders included, is what has to fit the screen.
    const QRect frame = frameGeometry();
    const QRect client = geometry();
    const QMargins decorations(client.left() - frame.left(), client.top() - frame.top(),
                               frame.right() - client.right(), frame.bottom() - client.bottom());
    const WindowFit fit =
        app::ui::ensureReadableWindowSize(view_.services().screenVisibleFrame(), frame);
    if (!fitDone_) {
        fitDone_ = true;
        fitAwaitsFrame_ = frame == client;
    }
    setMinimumSize(fit.minimumSize.shrunkBy(decorations));
    if (!fit.changesFrame) return;
    resize(fit.frame.size().shrunkBy(decorations));
    // A window's position is its frame's: the window manager puts the title bar there.
    move(fit.frame.topLeft());
}

}  // namespace app::ui
