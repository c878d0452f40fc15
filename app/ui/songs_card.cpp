#include "app/ui/songs_card.h"

#include <QCoreApplication>

#include "app/platform_words.h"
#include "app/ui/screen_texts.h"
#include "app/ui/symbols.h"
#include "app/ui/wizard_style.h"
#include "app/wizard/wizard.h"

namespace app::ui {

SongsCard::SongsCard(Wizard& view, QWidget* parent) : ScreenCard(2, view, parent) {
    content()->addWidget(makeLabel(QCoreApplication::translate("Screens", "Song Folder"),
                                   QStringLiteral("title"), this));
    content()->addWidget(
        makeLabel(QCoreApplication::translate("Screens", "Choose audio files or a normal folder"),
                  QStringLiteral("headline"), this));
    content()->addWidget(makeLabel(
        QCoreApplication::translate("Screens",
                                    "Select 1, 2, or 3 audio files, or select one regular folder "
                                    "that contains the source songs. %1 are not needed.")
            .arg(platform_words::atSentenceStart(platform_words::mediaLibraries())),
        QStringLiteral("body"), this));

    QVBoxLayout* readyLayout = nullptr;
    QFrame* ready = makePanel(QStringLiteral("panel"), &readyLayout, this);
    readyLayout->addWidget(
        makeRuleRow(QStringLiteral("checkmark.seal.fill"),
                    QCoreApplication::translate("Screens", "Tunewright is ready"),
                    QCoreApplication::translate(
                        "Screens",
                        "The editing tools are installed. Choose 1, 2, or 3 songs, add timing "
                        "notes, and create the finished edit from this app."),
                    palette::success(), ready));
    content()->addWidget(ready);

    auto* buttons = new AdaptiveButtonRow;
    chooseFilesButton_ = makeButton(QCoreApplication::translate("Screens", "Choose &Audio Files"),
                                    QStringLiteral("music.note.list"), QStringLiteral("primary"));
    chooseFilesButton_->setDefault(true);
    chooseFolderButton_ = makeButton(QCoreApplication::translate("Screens", "Choose &Folder"),
                                     QStringLiteral("folder"));
    rescanButton_ = makeButton(QCoreApplication::translate("Screens", "&Rescan"),
                               QStringLiteral("arrow.clockwise"));
    clearButton_ = makeButton(QCoreApplication::translate("Screens", "C&lear Songs"),
                              QStringLiteral("xmark.circle"));
    showFolderButton_ = makeButton(QCoreApplication::translate("Screens", "&Show Folder"),
                                   QStringLiteral("magnifyingglass"));
    for (QPushButton* button : {chooseFilesButton_, chooseFolderButton_, rescanButton_,
                                clearButton_, showFolderButton_}) {
        buttons->addWidget(button);
    }
    content()->addLayout(buttons);
    connect(chooseFilesButton_, &QPushButton::clicked, this,
            [this] { this->view().songs().chooseSongFiles(); });
    connect(chooseFolderButton_, &QPushButton::clicked, this,
            [this] { this->view().songs().chooseSongFolder(); });
    connect(rescanButton_, &QPushButton::clicked, this,
            [this] { this->view().songs().scanSelectedFolder(); });
    connect(clearButton_, &QPushButton::clicked, this,
            [this] { this->view().songs().clearSongs(); });
    connect(showFolderButton_, &QPushButton::clicked, this,
            [this] { this->view().showSongFolder(); });

    QVBoxLayout* listLayout = nullptr;
    QFrame* list = makePanel(QStringLiteral("panel"), &listLayout, this);
    auto* header = new QHBoxLayout;
    countLabel_ = makeLabel({}, QStringLiteral("headline"), list);
    countLabel_->setWordWrap(false);
    badgeLabel_ = makeLabel({}, QStringLiteral("badge"), list);
    badgeLabel_->setWordWrap(false);
    header->addWidget(countLabel_);
    header->addStretch(1);
    header->addWidget(badgeLabel_);
    listLayout->addLayout(header);
    emptyLabel_ = makeLabel(
        QCoreApplication::translate("Screens",
                                    "No audio files found yet. Supported: MP3, WAV, AIFF, "
                                    "M4A, FLAC, AAC."),
        QStringLiteral("body"), list);
    listLayout->addWidget(emptyLabel_);
    rows_ = new QWidget(list);
    rowsLayout_ = new QVBoxLayout(rows_);
    rowsLayout_->setContentsMargins(0, 4, 0, 0);
    rowsLayout_->setSpacing(6);
    listLayout->addWidget(rows_);
    content()->addWidget(list);
    content()->addStretch(1);
}

void SongsCard::rebuildSongRows() {
    clearLayout(rowsLayout_);
    const auto& tracks = view().state().tracks;
    const int total = static_cast<int>(tracks.size());
    for (int index = 0; index < total; ++index) {
        const songs::TrackFile& track = tracks[static_cast<size_t>(index)];
        auto* row = new QWidget(rows_);
        auto* layout = new QHBoxLayout(row);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(10);
        const QString number = QString::number(index + 1);
        auto* badge = makeButton(number, {}, QStringLiteral("songBadge"), row);
        badge->setAccessibleName(
            QCoreApplication::translate("Screens", "Replace song %1").arg(number));
        badge->setToolTip(QCoreApplication::translate("Screens", "Replace song %1").arg(number));
        layout->addWidget(badge);
        QLabel* name = makeLabel(track.name(), QStringLiteral("headline"), row);
        name->setWordWrap(false);
        layout->addWidget(name, 1);
        auto* earlier = makeButton({}, QStringLiteral("arrow.up"), QStringLiteral("compact"), row);
        earlier->setAccessibleName(QCoreApplication::translate("Screens", "Move earlier"));
        earlier->setToolTip(QCoreApplication::translate("Screens", "Move earlier"));
        earlier->setEnabled(index > 0);
        auto* later = makeButton({}, QStringLiteral("arrow.down"), QStringLiteral("compact"), row);
        later->setAccessibleName(QCoreApplication::translate("Screens", "Move later"));
        later->setToolTip(QCoreApplication::translate("Screens", "Move later"));
        later->setEnabled(index + 1 < total);
        layout->addWidget(earlier);
        layout->addWidget(later);
        connect(badge, &QPushButton::clicked, this,
                [this, index] { view().songs().replaceTrack(index); });
        connect(earlier, &QPushButton::clicked, this,
                [this, index] { view().songs().moveTrack(index, -1); });
        connect(later, &QPushButton::clicked, this,
                [this, index] { view().songs().moveTrack(index, 1); });
        rowsLayout_->addWidget(row);
    }
    orderTabChainByLayout(this);
}

void SongsCard::refresh() {
    const WizardState& state = view().state();
    QString key;
    for (const songs::TrackFile& track : state.tracks) key += track.id.toString();
    if (key != shownTracksKey_) {
        shownTracksKey_ = key;
        rebuildSongRows();
    }
    const int count = static_cast<int>(state.tracks.size());
    countLabel_->setText(audioFilesFoundText(count));
    badgeLabel_->setText(songReadinessBadgeText(count));
    setStyleRole(badgeLabel_,
                 count >= 1 && count <= 3 ? QStringLiteral("badgeReady") : QStringLiteral("badge"));
    badgeLabel_->setAccessibleName(badgeLabel_->text());
    emptyLabel_->setVisible(count == 0);
    rows_->setVisible(count > 0);

    const bool hasFolder = state.selectedFolder.has_value();
    rescanButton_->setEnabled(hasFolder);
    showFolderButton_->setEnabled(hasFolder);
    clearButton_->setEnabled(hasFolder || count > 0);
}

}  // namespace app::ui
