#include "app/ui/tools_card.h"

#include <QCoreApplication>

#include "app/tool_check/tool_probes.h"
#include "app/ui/symbols.h"
#include "app/ui/wizard_style.h"
#include "app/wizard/wizard.h"

namespace app::ui {
namespace {

constexpr int kTileColumns = 3;

struct TileMark {
    QString symbolName;
    QColor color;
    QString word;  // what a screen reader says for the mark
};

// Red and the failure mark only for a row that holds Step 1: a missing optional helper
// is not a fault of a working install.
TileMark tileMark(const tools::ToolCheck& check) {
    if (check.isReady) {
        return {QStringLiteral("checkmark.circle.fill"), palette::success(),
                QCoreApplication::translate("Screens", "Ready")};
    }
    if (tools::countsAsMissing(check)) {
        return {QStringLiteral("xmark.circle.fill"), palette::danger(),
                QCoreApplication::translate("Screens", "Missing")};
    }
    return {QStringLiteral("minus.circle"), palette::text(0.42),
            QCoreApplication::translate("Screens", "Not installed")};
}

// A row's name or command in the person's language (the "ToolCheck" context); a command
// line without a translation stays as it is.
QString toolText(const QString& source) {
    return QCoreApplication::translate("ToolCheck", source.toUtf8().constData());
}

// One tool: its name (with " (optional)" for the fallback tools), its mark, what was
// probed and the status text.
QFrame* makeToolCheckTile(const tools::ToolCheck& check, QWidget* parent) {
    QVBoxLayout* column = nullptr;
    QFrame* tile = makePanel(QStringLiteral("panel"), &column, parent);
    column->setContentsMargins(12, 10, 12, 10);
    column->setSpacing(4);
    auto* top = new QHBoxLayout;
    top->setSpacing(8);
    auto* symbol = new SymbolLabel(16, tile);
    const TileMark mark = tileMark(check);
    symbol->setSymbol(mark.symbolName, mark.color, mark.word);  // the tile says it nowhere else
    top->addWidget(symbol, 0, Qt::AlignTop);
    const bool optional = tools::optionalFallbackToolNames().contains(check.name);
    // The rows keep the English names and commands the probes gave them; they read here.
    const QString shownName = toolText(check.name);
    QLabel* name =
        makeLabel(optional ? QCoreApplication::translate("Screens", "%1 (optional)").arg(shownName)
                           : shownName,
                  QStringLiteral("headline"), tile);
    top->addWidget(name, 1);
    column->addLayout(top);
    column->addWidget(makeLabel(toolText(check.command), QStringLiteral("caption"), tile));
    QLabel* status = makeLabel(check.status, QStringLiteral("body"), tile);
    status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    column->addWidget(status);
    column->addStretch(1);
    tile->setAccessibleName(name->text());
    if (optional && !check.isReady) {
        tile->setAccessibleDescription(
            QCoreApplication::translate("Screens", "optional, not installed"));
    }
    return tile;
}

}  // namespace

ToolsCard::ToolsCard(Wizard& view, QWidget* parent) : ScreenCard(1, view, parent) {
    content()->addWidget(
        makeLabel(QCoreApplication::translate("Screens", "Complete setup checked first"),
                  QStringLiteral("title"), this));
    content()->addWidget(
        makeLabel(QCoreApplication::translate(
                      "Screens",
                      "Tunewright verifies its local audio engine before songs are chosen. Codex "
                      "is checked only as an optional fallback for difficult edits."),
                  QStringLiteral("body"), this));

    checkingLabel_ =
        makeLabel(QCoreApplication::translate("Screens", "Checking installed tools..."),
                  QStringLiteral("headline"), this);
    content()->addWidget(checkingLabel_);

    tiles_ = new QWidget(this);
    tilesLayout_ = new QGridLayout(tiles_);
    tilesLayout_->setContentsMargins(0, 0, 0, 0);
    tilesLayout_->setSpacing(10);
    for (int column = 0; column < kTileColumns; ++column) tilesLayout_->setColumnStretch(column, 1);
    content()->addWidget(tiles_);

    QVBoxLayout* noticeLayout = nullptr;
    notice_ = makePanel(QStringLiteral("notice"), &noticeLayout, this);
    auto* noticeRow = new QHBoxLayout;
    auto* noticeSymbol = new SymbolLabel(20, notice_);
    noticeSymbol->setSymbol(QStringLiteral("exclamationmark.triangle.fill"), palette::warning());
    noticeRow->addWidget(noticeSymbol, 0, Qt::AlignTop);
    auto* noticeColumn = new QVBoxLayout;
    noticeColumn->addWidget(makeLabel(QCoreApplication::translate("Screens", "Setup needed"),
                                      QStringLiteral("headline"), notice_));
    noticeText_ = makeLabel({}, QStringLiteral("body"), notice_);
    noticeColumn->addWidget(noticeText_);
    noticeRow->addLayout(noticeColumn, 1);
    noticeLayout->addLayout(noticeRow);
    content()->addWidget(notice_);

    checkAgainButton_ =
        makeButton(QCoreApplication::translate("Screens", "Check &Again"),
                   QStringLiteral("arrow.clockwise"), QStringLiteral("primary"), this);
    checkAgainButton_->setDefault(true);
    connect(checkAgainButton_, &QPushButton::clicked, this,
            [this] { this->view().tools().refreshToolChecksInBackground(); });
    content()->addWidget(checkAgainButton_, 0, Qt::AlignLeft);
    content()->addStretch(1);
}

void ToolsCard::rebuildTiles() {
    clearLayout(tilesLayout_);
    const auto& checks = view().state().toolChecks;
    for (size_t i = 0; i < checks.size(); ++i) {
        const int index = static_cast<int>(i);
        tilesLayout_->addWidget(makeToolCheckTile(checks[i], tiles_), index / kTileColumns,
                                index % kTileColumns);
    }
}

void ToolsCard::refresh() {
    const WizardState& state = view().state();
    QString key;
    for (const tools::ToolCheck& check : state.toolChecks) key += check.id.toString();
    if (key != shownChecksKey_) {
        shownChecksKey_ = key;
        rebuildTiles();
    }
    checkingLabel_->setVisible(state.toolChecks.empty());
    tiles_->setVisible(!state.toolChecks.empty());

    notice_->setVisible(!state.missingToolNames.isEmpty());
    QStringList missingNames;
    for (const QString& missing : state.missingToolNames) missingNames << toolText(missing);
    noticeText_->setText(QCoreApplication::translate("Screens",
                                                     "Missing local engine pieces: %1. Reinstall "
                                                     "Tunewright or contact support.")
                             .arg(missingNames.join(QStringLiteral(", "))));

    updateButton(checkAgainButton_,
                 state.isCheckingTools ? QCoreApplication::translate("Screens", "Checking...")
                                       : QCoreApplication::translate("Screens", "Check &Again"),
                 QStringLiteral("arrow.clockwise"), QStringLiteral("primary"));
    checkAgainButton_->setEnabled(!state.isCheckingTools);
}

}  // namespace app::ui
