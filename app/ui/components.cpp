#include "app/ui/components.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QPainter>
#include <algorithm>

#include "app/ui/symbols.h"
#include "app/ui/window_fit.h"
#include "app/ui/wizard_style.h"

namespace app::ui {

QLabel* makeLabel(const QString& text, const QString& role, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    setStyleRole(label, role);
    return label;
}

namespace {

QColor symbolColorFor(const QString& role) {
    if (role == QLatin1String("primary")) return QColor(29, 20, 5);
    if (role == QLatin1String("success")) return QColor(7, 32, 15);
    return palette::text(0.9);
}

}  // namespace

QPushButton* makeButton(const QString& text, const QString& symbolName, const QString& role,
                        QWidget* parent) {
    auto* button = new QPushButton(parent);
    button->setCursor(Qt::PointingHandCursor);
    button->setAutoDefault(false);
    updateButton(button, text, symbolName, role);
    return button;
}

void updateButton(QPushButton* button, const QString& text, const QString& symbolName,
                  const QString& role) {
    if (button->text() != text) button->setText(text);
    QString plain = text;
    plain.remove(QLatin1Char('&'));
    if (button->accessibleName() != plain) button->setAccessibleName(plain);
    const QString key = symbolName + QLatin1Char('|') + role;
    if (button->property("symbolKey").toString() != key) {
        button->setProperty("symbolKey", key);
        button->setIcon(symbolName.isEmpty() ? QIcon()
                                             : symbolIcon(symbolName, symbolColorFor(role)));
        button->setIconSize(QSize(16, 16));
    }
    setStyleRole(button, role);
}

namespace {

// A symbol is a picture named by its meaning. A decorative one is reported as not shown: an
// unnamed picture would still be a stop for a screen reader, read as "image".
class SymbolLabelAccessible : public QAccessibleWidget {
public:
    explicit SymbolLabelAccessible(SymbolLabel* label)
        : QAccessibleWidget(label, QAccessible::Graphic) {}

    QAccessible::State state() const override {
        QAccessible::State shown = QAccessibleWidget::state();
        if (static_cast<const SymbolLabel*>(widget())->isDecorative()) shown.invisible = true;
        return shown;
    }
};

QAccessibleInterface* symbolLabelAccessible(const QString& className, QObject* object) {
    if (className != QLatin1String(SymbolLabel::staticMetaObject.className())) return nullptr;
    return new SymbolLabelAccessible(static_cast<SymbolLabel*>(object));
}

}  // namespace

SymbolLabel::SymbolLabel(int sizePixels, QWidget* parent) : QLabel(parent), size_(sizePixels) {
    // With the first symbol, before anything asks the symbols what they are.
    static const bool installed = (QAccessible::installFactory(symbolLabelAccessible), true);
    (void)installed;
    setFixedSize(sizePixels, sizePixels);
}

void SymbolLabel::setSymbol(const QString& name, const QColor& color, const QString& meaning) {
    if (accessibleName() != meaning) setAccessibleName(meaning);
    if (name == name_ && color == color_) return;
    name_ = name;
    color_ = color;
    setPixmap(symbolPixmap(name, color, size_, devicePixelRatioF()));
}

StepBadge::StepBadge(int number, QWidget* parent) : QWidget(parent), number_(number) {
    setFixedSize(42, 42);
    setAccessibleName(QCoreApplication::translate("Screens", "Step %1").arg(number));
}

void StepBadge::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette::accent());
    painter.drawEllipse(rect().adjusted(1, 1, -1, -1));
    QFont font = painter.font();
    font.setPixelSize(19);
    font.setWeight(QFont::Black);
    painter.setFont(font);
    painter.setPen(QColor(29, 20, 5));
    painter.drawText(rect(), Qt::AlignCenter, QString::number(number_));
}

Card::Card(int stepNumber, QWidget* parent) : QFrame(parent) {
    setStyleRole(this, QStringLiteral("card"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(24, 24, 24, 24);
    row->setSpacing(cardRowSpacing);
    row->addWidget(new StepBadge(stepNumber, this), 0, Qt::AlignTop);
    content_ = new QVBoxLayout;
    content_->setSpacing(14);
    row->addLayout(content_, 1);
}

QFrame* makePanel(const QString& role, QVBoxLayout** layout, QWidget* parent) {
    auto* panel = new QFrame(parent);
    setStyleRole(panel, role);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(16, 14, 16, 14);
    column->setSpacing(8);
    if (layout != nullptr) *layout = column;
    return panel;
}

QWidget* makeRuleRow(const QString& symbolName, const QString& headline, const QString& text,
                     const QColor& symbolColor, QWidget* parent) {
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(12);
    auto* symbol = new SymbolLabel(22, row);
    symbol->setSymbol(symbolName, symbolColor);
    layout->addWidget(symbol, 0, Qt::AlignTop);
    auto* column = new QVBoxLayout;
    column->setSpacing(3);
    column->addWidget(makeLabel(headline, QStringLiteral("headline"), row));
    column->addWidget(makeLabel(text, QStringLiteral("body"), row));
    layout->addLayout(column, 1);
    return row;
}

// ---- AdaptiveButtonRow ----

AdaptiveButtonRow::AdaptiveButtonRow(QWidget* parent, int spacing) : QLayout(parent) {
    setSpacing(spacing);
    setContentsMargins(0, 0, 0, 0);
}

AdaptiveButtonRow::~AdaptiveButtonRow() {
    while (QLayoutItem* item = takeAt(0)) delete item;
}

void AdaptiveButtonRow::addItem(QLayoutItem* item) { items_.push_back(item); }

QLayoutItem* AdaptiveButtonRow::itemAt(int index) const {
    return index >= 0 && index < count() ? items_[static_cast<size_t>(index)] : nullptr;
}

QLayoutItem* AdaptiveButtonRow::takeAt(int index) {
    if (index < 0 || index >= count()) return nullptr;
    QLayoutItem* item = items_[static_cast<size_t>(index)];
    items_.erase(items_.begin() + index);
    return item;
}

std::vector<QLayoutItem*> AdaptiveButtonRow::visibleItems() const {
    std::vector<QLayoutItem*> visible;
    for (QLayoutItem* item : items_) {
        if (!item->isEmpty()) visible.push_back(item);
    }
    return visible;
}

bool AdaptiveButtonRow::fitsInRow(int width) const {
    int needed = 0;
    const auto visible = visibleItems();
    for (QLayoutItem* item : visible) needed += item->sizeHint().width();
    needed += spacing() * std::max(0, static_cast<int>(visible.size()) - 1);
    return needed <= width;
}

QSize AdaptiveButtonRow::sizeHint() const {
    int width = 0;
    int height = 0;
    const auto visible = visibleItems();
    for (QLayoutItem* item : visible) {
        width += item->sizeHint().width();
        height = std::max(height, item->sizeHint().height());
    }
    width += spacing() * std::max(0, static_cast<int>(visible.size()) - 1);
    return {width, height};
}

QSize AdaptiveButtonRow::minimumSize() const {
    // As a column it needs only its widest button.
    int width = 0;
    for (QLayoutItem* item : visibleItems()) width = std::max(width, item->minimumSize().width());
    return {width, heightForWidth(width)};
}

int AdaptiveButtonRow::heightForWidth(int width) const {
    return arrange(QRect(0, 0, width, 0), false);
}

void AdaptiveButtonRow::setGeometry(const QRect& rect) {
    QLayout::setGeometry(rect);
    arrange(rect, true);
}

int AdaptiveButtonRow::arrange(const QRect& rect, bool apply) const {
    const auto visible = visibleItems();
    if (visible.empty()) return 0;
    if (fitsInRow(rect.width())) {
        int x = rect.x();
        int height = 0;
        for (QLayoutItem* item : visible) height = std::max(height, item->sizeHint().height());
        for (QLayoutItem* item : visible) {
            const QSize hint = item->sizeHint();
            if (apply) item->setGeometry(QRect(QPoint(x, rect.y()), QSize(hint.width(), height)));
            x += hint.width() + spacing();
        }
        return height;
    }
    int y = rect.y();
    for (QLayoutItem* item : visible) {
        const int height = item->sizeHint().height();
        if (apply) item->setGeometry(QRect(rect.x(), y, rect.width(), height));
        y += height + spacing();
    }
    return y - spacing() - rect.y();
}

// ---- Helpers ----

void clearLayout(QLayout* layout) {
    while (QLayoutItem* item = layout->takeAt(0)) {
        if (QWidget* widget = item->widget()) {
            widget->hide();
            widget->deleteLater();
        }
        if (QLayout* child = item->layout()) clearLayout(child);
        delete item;
    }
}

namespace {

void collectFocusable(QLayout* layout, std::vector<QWidget*>& out);

void collectFocusable(QWidget* widget, std::vector<QWidget*>& out) {
    if (widget->isHidden()) return;
    // Also what takes no Tab now: a group of choices lets Tab in at one button only, and which
    // one changes with the choice, so every button keeps its place in the chain.
    if (widget->focusPolicy() != Qt::NoFocus) out.push_back(widget);
    if (widget->layout() != nullptr) collectFocusable(widget->layout(), out);
}

void collectFocusable(QLayout* layout, std::vector<QWidget*>& out) {
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (QWidget* widget = item->widget()) {
            collectFocusable(widget, out);
        } else if (QLayout* child = item->layout()) {
            collectFocusable(child, out);
        }
    }
}

}  // namespace

void orderTabChainByLayout(QWidget* root) {
    std::vector<QWidget*> chain;
    if (root->layout() != nullptr) collectFocusable(root->layout(), chain);
    for (size_t i = 1; i < chain.size(); ++i) QWidget::setTabOrder(chain[i - 1], chain[i]);
}

}  // namespace app::ui
