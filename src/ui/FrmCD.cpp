#include "ui/FrmCD.h"

#include "ui/Translation.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace vantor {

namespace {

QString Utf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

FrmCD::FrmCD(SoundLibrary& sound, const DriveTypes& drives, PlaylistContext& playlist,
             QWidget* parent)
    : QDialog(parent), m_window(sound, drives, playlist, *this), m_drives(new QComboBox(this)),
      m_tracks(new QTreeWidget(this)) {
    setWindowTitle(QStringLiteral("Audio CD"));
    m_drives->setObjectName(QStringLiteral("drives"));
    m_tracks->setObjectName(QStringLiteral("tracks"));
    m_tracks->setColumnCount(2);
    m_tracks->setHeaderHidden(true);
    m_tracks->setRootIsDecorated(false);
    m_tracks->header()->setStretchLastSection(false);
    m_tracks->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_tracks->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    connect(m_drives, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            m_window.SelectDrive(static_cast<std::size_t>(index));
    });

    auto* drive = new QGridLayout;
    AddCommand(*drive, 0, "eject", qtTrId("取り出し"), [this] { m_window.Eject(); });
    AddCommand(*drive, 1, "listAgain", qtTrId("再読み込み"), [this] { m_window.ListAgain(); });
    AddCommand(*drive, 2, "openImage", qtTrId("イメージを開く..."),
               [this] { m_window.OpenImage(); });
    auto* list = new QGridLayout;
    AddCommand(*list, 0, "tickAll", qtTrId("全て選択"), [this] { m_window.TickAll(); });
    AddCommand(*list, 1, "untickAll", qtTrId("全て解除"), [this] { m_window.UntickAll(); });
    AddCommand(*list, 2, "play", qtTrId("再生"), [this] { m_window.Play(); });
    AddCommand(*list, 3, "add", qtTrId("追加"), [this] { m_window.Add(); });
    AddCommand(*list, 4, "close", qtTrId("閉じる"), [this] { m_window.Close(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_drives);
    layout->addLayout(drive);
    layout->addWidget(m_tracks, 1);
    layout->addLayout(list);
    resize(360, 320);
}

template <typename Command>
void FrmCD::AddCommand(QGridLayout& row, int column, const char* name, const QString& caption,
                       Command command) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, command);
    row.addWidget(button, 0, column);
}

void FrmCD::ShowModal() {
    m_window.Open();
    exec();
}

void FrmCD::ShowDrives(const std::vector<std::string>& lines, std::size_t selected) {
    // Filling the list is not the user choosing a line.
    const QSignalBlocker quiet(m_drives);
    m_drives->clear();
    for (const std::string& line : lines)
        m_drives->addItem(ShownText(line));
    m_drives->setCurrentIndex(static_cast<int>(selected));
}

void FrmCD::ShowTracks(const std::vector<CdTrackRow>& rows) {
    m_tracks->clear();
    for (const CdTrackRow& row : rows) {
        const std::string caption =
            row.title.empty() ? row.caption : row.caption + "  " + row.title;
        auto* item = new QTreeWidgetItem(m_tracks, {Utf8(caption), Utf8(row.lengthText)});
        item->setCheckState(0, Qt::Unchecked);
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    }
}

void FrmCD::TickAllTracks(bool ticked) {
    for (int i = 0; i < m_tracks->topLevelItemCount(); ++i)
        m_tracks->topLevelItem(i)->setCheckState(0, ticked ? Qt::Checked : Qt::Unchecked);
}

std::vector<bool> FrmCD::TrackTicks() const {
    std::vector<bool> ticks;
    for (int i = 0; i < m_tracks->topLevelItemCount(); ++i)
        ticks.push_back(m_tracks->topLevelItem(i)->checkState(0) == Qt::Checked);
    return ticks;
}

void FrmCD::CloseWindow() {
    accept();
}

} // namespace vantor
