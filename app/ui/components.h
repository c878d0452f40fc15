#pragma once
// The small reusable pieces the four screens are made of. Each takes its look
// from the one style sheet through a style role. Interface thread only.

#include <QButtonGroup>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace app::ui {

// A label with a style role; rich text is never interpreted (song names are data).
QLabel* makeLabel(const QString& text, const QString& role, QWidget* parent = nullptr);

// A button with its symbol; the accessible name is the visible text. `text` may
// carry one "&" mnemonic.
QPushButton* makeButton(const QString& text, const QString& symbolName, const QString& role = {},
                        QWidget* parent = nullptr);
// Changes a button's text, symbol and role only where they differ.
void updateButton(QPushButton* button, const QString& text, const QString& symbolName,
                  const QString& role);

// A symbol shown as a fixed-size picture. With a `meaning` (translated words, such as
// "Ready") screen readers read it as a picture of that name; without one it is decoration
// beside a text that already says the same, and they skip it. Its own name is never read.
class SymbolLabel : public QLabel {
    Q_OBJECT

public:
    explicit SymbolLabel(int sizePixels, QWidget* parent = nullptr);
    void setSymbol(const QString& name, const QColor& color, const QString& meaning = {});
    QString symbolName() const { return name_; }
    bool isDecorative() const { return accessibleName().isEmpty(); }

private:
    int size_;
    QString name_;
    QColor color_;
};

// The numbered circle at the left of a card (42 × 42).
class StepBadge : public QWidget {
public:
    explicit StepBadge(int number, QWidget* parent = nullptr);
    QSize sizeHint() const override { return {42, 42}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int number_;
};

// A card: the step badge on the left, a column of content on the right, on a
// rounded, lightly filled background.
class Card : public QFrame {
public:
    Card(int stepNumber, QWidget* parent = nullptr);
    QVBoxLayout* content() const { return content_; }

private:
    QVBoxLayout* content_;
};

// A rounded panel inside a card with a column layout.
QFrame* makePanel(const QString& role, QVBoxLayout** layout, QWidget* parent = nullptr);

// An accent symbol with a headline and a line of text.
QWidget* makeRuleRow(const QString& symbolName, const QString& headline, const QString& text,
                     const QColor& symbolColor, QWidget* parent = nullptr);

// A row of buttons that becomes a column when the row does not fit its width.
class AdaptiveButtonRow : public QLayout {
public:
    explicit AdaptiveButtonRow(QWidget* parent = nullptr, int spacing = 10);
    ~AdaptiveButtonRow() override;

    void addItem(QLayoutItem* item) override;
    int count() const override { return static_cast<int>(items_.size()); }
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    void setGeometry(const QRect& rect) override;
    Qt::Orientations expandingDirections() const override { return {}; }

    // Whether the visible items fit side by side in `width`.
    bool fitsInRow(int width) const;

private:
    int arrange(const QRect& rect, bool apply) const;
    std::vector<QLayoutItem*> visibleItems() const;
    std::vector<QLayoutItem*> items_;
};

// Makes the checked button of `group` (ids are the Choice values) the choice: `choose` runs for
// a click, and for a check by Space or a screen reader's Toggle that differs from `chosen()`.
// A click also confirms the choice already made.
template <typename Choice, typename Chosen, typename Choose>
void followChoices(QButtonGroup* group, QObject* context, Chosen chosen, Choose choose) {
    QObject::connect(group, &QButtonGroup::idClicked, context,
                     [choose](int id) { choose(static_cast<Choice>(id)); });
    QObject::connect(group, &QButtonGroup::idToggled, context,
                     [chosen, choose](int id, bool checked) {
                         if (checked && static_cast<Choice>(id) != chosen()) {
                             choose(static_cast<Choice>(id));
                         }
                     });
}

// Deletes every item and widget of a layout (nested layouts too).
void clearLayout(QLayout* layout);

// Chains the keyboard focus through the focusable widgets under `root` in the
// order their layouts show them, so rebuilt parts keep a natural tab order.
void orderTabChainByLayout(QWidget* root);

}  // namespace app::ui
