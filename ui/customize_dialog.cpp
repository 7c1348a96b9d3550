#include "ui/customize_dialog.h"

#include "records/ui/options_dialog.h"

#include "records/fixed_fields.h"
#include "records/paths.h"
#include "records/preference_keys.h"
#include "table/background.h"
#include "table/image_files.h"
#include "table/image_names.h"
#include "table/qt_text.h"
#include "table/resource_names.h"
#include "ui/customize_choices.h"
#include "ui/resource_pictures.h"

#include <QApplication>
#include <QBitmap>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSoundEffect>
#include <QTabWidget>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

namespace tablamor::ui {
namespace {

constexpr int kSampleWidth = 200;
constexpr int kSampleHeight = 150;
// The card back sample is drawn from the large card set, centred on the Decks sample.
constexpr char kSampleSizeLetter = 'B';
constexpr int kSampleCardWidth = 71;
constexpr int kSampleCardHeight = 96;
constexpr int kBackSampleX = (kSampleWidth - kSampleCardWidth) / 2;
constexpr int kBackSampleY = (kSampleHeight - kSampleCardHeight) / 2;
// A display of this many bits per pixel or fewer shows 256 colours at most.
constexpr int kLowColourDepth = 8;

constexpr std::string_view kSoundsDirectory = "SOUNDS\\";
// Medium cards always show back 6.
constexpr std::string_view kMediumCardSize = "M";
// The card sizes offered, by their "Card_Size" value.
struct CardSizeEntry {
    const char* caption;
    std::string_view value;
};
constexpr std::array<CardSizeEntry, 4> kCardSizeEntries{
    {{"Fit to window", "F"}, {"Big", "B"}, {"Medium", kMediumCardSize}, {"Small", "P"}}};
constexpr int kMediumCardBack = 6;

// The tree pictures, in image-list order, and the index each kind of entry shows.
constexpr std::array<std::string_view, 5> kTreeIcons{"TREE1", "TREE2", "N_TREE3", "N_TREE4",
                                                     "N_TREE5"};
constexpr int kGroupClosedIcon = 0;
constexpr int kGroupSelectedIcon = 1;
constexpr int kBackEntryIcon = 2;
constexpr int kBackgroundEntryIcon = 3;
const QColor kTreeIconKey(0, 255, 0);

constexpr int kNumberRole = Qt::UserRole;

std::int64_t NumberOf(const QTreeWidgetItem* item) {
    return item ? item->data(0, kNumberRole).toLongLong() : 0;
}

bool IsGroup(const QTreeWidgetItem* item) {
    return item && item->childCount() > 0;
}

QTreeWidgetItem* ChildNamed(QTreeWidgetItem* parent, QTreeWidget* tree, std::string_view text) {
    const QString name = Q(text);
    const int count = parent ? parent->childCount() : tree->topLevelItemCount();
    for (int i = 0; i < count; ++i) {
        QTreeWidgetItem* item = parent ? parent->child(i) : tree->topLevelItem(i);
        if (item->text(0) == name) return item;
    }
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree);
    item->setText(0, name);
    item->setData(0, kNumberRole, qlonglong{0});
    return item;
}

bool LowColourScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen && screen->depth() <= kLowColourDepth;
}

// The busy cursor for the length of a drawing handler.
struct BusyCursor {
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace

CustomizeDialog::CustomizeDialog(std::filesystem::path programDir, IniFile& preferences,
                                 Settings& settings, QWidget* parent)
    : QDialog(parent), programDir_(std::move(programDir)), preferences_(preferences),
      settings_(settings) {
    setWindowTitle(tr("Customize"));
    setObjectName("TfrmCustomize_Freeware");

    pages_ = new QTabWidget(this);
    pages_->setObjectName("TabbedNotebook1");
    pages_->addTab(BuildDecksPage(), tr("  &Decks  "));
    pages_->addTab(BuildBackgroundsPage(), tr("&Backgrounds"));
    pages_->addTab(BuildSoundsPage(), tr("&Sounds"));
    connect(pages_, &QTabWidget::currentChanged, this, [this] { DrawDecksSample(); });

    LayOutTabbedDialog(*this, pages_, [this] { emit HelpRequested(kCustomizeHelpTopic); });

    LoadTreeIcons();
    LoadValues();
}

CustomizeDialog::~CustomizeDialog() = default;

QTreeWidget* CustomizeDialog::NewTree(const char* name, QWidget* parent) {
    auto* tree = new QTreeWidget(parent);
    tree->setObjectName(name);
    tree->setHeaderHidden(true);
    tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    return tree;
}

// A sample group: its caption label above the sample picture.
static QGroupBox* SampleGroup(const char* name, QLabel*& caption, QLabel*& picture,
                              const QString& text, QWidget* parent) {
    auto* group = new QGroupBox(parent);
    group->setObjectName(name);
    caption = new QLabel(text, group);
    picture = new QLabel(group);
    picture->setFixedSize(kSampleWidth, kSampleHeight);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(caption);
    layout->addWidget(picture);
    layout->addStretch(1);
    return group;
}

QWidget* CustomizeDialog::BuildDecksPage() {
    auto* page = new QWidget(this);
    backTree_ = NewTree("trvCardBack", page);
    FillTree(backTree_, true);
    connect(backTree_, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* item) { BackChanged(item); });
    auto* sample = SampleGroup("grbDecks", decksLabel_, decksPicture_, tr("Sample "), page);
    decksLabel_->setObjectName("lblDecks");
    decksPicture_->setObjectName("imgSfondoEsempio2");

    cardSize_ = new QComboBox(page);
    cardSize_->setObjectName("cmbCardSize");
    for (const CardSizeEntry& entry : kCardSizeEntries)
        cardSize_->addItem(tr(entry.caption), Q(entry.value));
    auto* sizeLabel = new QLabel(tr("Card si&ze:"), page);
    sizeLabel->setBuddy(cardSize_);
    auto* sizeRow = new QHBoxLayout;
    sizeRow->addWidget(sizeLabel);
    sizeRow->addWidget(cardSize_, 1);

    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel(tr("Select a card back:"), page));
    left->addWidget(backTree_, 1);
    left->addLayout(sizeRow);
    auto* layout = new QHBoxLayout(page);
    layout->addLayout(left, 1);
    layout->addWidget(sample);
    return page;
}

QWidget* CustomizeDialog::BuildBackgroundsPage() {
    auto* page = new QWidget(this);
    backgroundTree_ = NewTree("trvBackGround", page);
    FillTree(backgroundTree_, false);
    connect(backgroundTree_, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* item) { BackgroundChanged(item); });
    auto* sample =
        SampleGroup("grbBackGroundExample", backgroundLabel_, backgroundPicture_, QString(), page);
    backgroundLabel_->setObjectName("lblBackGround");
    backgroundPicture_->setObjectName("imgSfondoEsempio");
    fade_ = new QCheckBox(tr("&Fade background"), sample);
    fade_->setObjectName("chkFadeBackground");
    sample->layout()->addWidget(fade_);
    connect(fade_, &QCheckBox::clicked, this, &CustomizeDialog::FadeClicked);

    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel(tr("Select a background:"), page));
    left->addWidget(backgroundTree_, 1);
    auto* layout = new QHBoxLayout(page);
    layout->addLayout(left, 1);
    layout->addWidget(sample);
    return page;
}

QWidget* CustomizeDialog::BuildSoundsPage() {
    auto* page = new QWidget(this);
    soundsOff_ = new QCheckBox(tr("Disable all &sounds"), page);
    soundsOff_->setObjectName("chkSoundsEnabled");
    // Every sound of the program, to hear before choosing.
    sounds_ = new QListWidget(page);
    sounds_->setObjectName("lstSounds");
    for (std::string_view name : art::kSoundNames) sounds_->addItem(Q(name));
    sounds_->setCurrentRow(0);
    auto* play = new QPushButton(tr("&Play"), page);
    play->setObjectName("btnPlaySound");
    connect(play, &QPushButton::clicked, this, &CustomizeDialog::PlaySelectedSound);
    connect(sounds_, &QListWidget::itemDoubleClicked, this, &CustomizeDialog::PlaySelectedSound);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(soundsOff_);
    layout->addWidget(sounds_, 1);
    layout->addWidget(play, 0, Qt::AlignLeft);
    return page;
}

void CustomizeDialog::FillTree(QTreeWidget* tree, bool backs) {
    for (const TreeChoice& choice : backs ? CardBackChoices() : BackgroundChoices()) {
        QTreeWidgetItem* parent = ChildNamed(nullptr, tree, choice.group);
        if (!choice.subGroup.empty()) parent = ChildNamed(parent, tree, choice.subGroup);
        auto* entry = new QTreeWidgetItem(parent);
        entry->setText(0, Q(choice.text));
        entry->setData(0, kNumberRole, static_cast<qlonglong>(choice.number));
    }
    tree->setSortingEnabled(true);
    tree->sortByColumn(0, Qt::AscendingOrder);
    tree->expandAll();
}

void CustomizeDialog::LoadTreeIcons() {
    std::array<QPixmap, kTreeIcons.size()> pictures;
    for (std::size_t i = 0; i < kTreeIcons.size(); ++i) {
        pictures[i] = ResourcePicture(kTreeIcons[i]);
        if (!pictures[i].isNull())
            pictures[i].setMask(pictures[i].createMaskFromColor(kTreeIconKey));
    }
    QIcon group(pictures[kGroupClosedIcon]);
    group.addPixmap(pictures[kGroupSelectedIcon], QIcon::Selected);
    const QIcon back(pictures[kBackEntryIcon]);
    const QIcon background(pictures[kBackgroundEntryIcon]);
    for (QTreeWidget* tree : {backTree_, backgroundTree_}) {
        for (QTreeWidgetItemIterator it(tree); *it; ++it)
            (*it)->setIcon(0, IsGroup(*it) ? group : tree == backTree_ ? back : background);
    }
}

QTreeWidgetItem* CustomizeDialog::FindEntry(QTreeWidget* tree, std::int64_t number) const {
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        if (!IsGroup(*it) && NumberOf(*it) == number) return *it;
    return nullptr;
}

void CustomizeDialog::showEvent(QShowEvent* event) {
    LoadValues();
    QDialog::showEvent(event);
}

void CustomizeDialog::LoadValues() {
    BusyCursor busy;
    const QSignalBlocker blockBacks(backTree_);
    const QSignalBlocker blockBackgrounds(backgroundTree_);
    fade_->setChecked(settings_.Flag(Settings::kFadeBackground));
    const int colour = settings_.Int(Settings::kBackgroundCol);
    customColour_ = colour != 0 ? colour : kButtonFaceColour;

    // The back in use is shown even when the tree does not offer it (back 6 of medium cards);
    // it is kept unless another entry is chosen.
    chosenBack_ = 0;
    decksLabel_->setText(tr("Sample "));
    const int back = settings_.Int(Settings::kBackCard);
    table::ImageSource(programDir_)
        .LoadBitmapFile(table::BackFileName(kSampleSizeLetter, back), backImage_);
    QTreeWidgetItem* backEntry = FindEntry(backTree_, back);
    backTree_->setCurrentItem(backEntry);
    if (backEntry) BackChanged(backEntry);

    // The default background is kept as it is: no entry is selected for it (picking the first
    // colour instead would store that colour on an untouched OK).
    std::int64_t background = 0;
    if (!settings_.Flag(Settings::kBackgroundDef)) {
        const int fixed = settings_.Int(Settings::kBackgroundFixedCol);
        const int picture = settings_.Int(Settings::kBackgroundBmp);
        background = fixed != 0 ? fixed : picture != 0 ? picture : kCustomColourEntry;
    }
    QTreeWidgetItem* backgroundEntry = FindEntry(backgroundTree_, background);
    backgroundTree_->setCurrentItem(backgroundEntry);
    if (!backgroundEntry) backgroundTree_->clearSelection();
    chosenBackground_ = background;
    backgroundLabel_->setText(backgroundEntry ? backgroundEntry->text(0) : QString());
    DrawBackgroundSample();

    soundsOff_->setChecked(!settings_.Flag(Settings::kSoundsEnabled));
    const int size = cardSize_->findData(Q(settings_.CardSize()));
    cardSize_->setCurrentIndex(std::max(size, 0));
}

void CustomizeDialog::BackChanged(QTreeWidgetItem* item) {
    const std::int64_t number = NumberOf(item);
    if (number <= 0) return; // a group: nothing to show
    BusyCursor busy;
    chosenBack_ = static_cast<int>(number);
    table::ImageSource(programDir_)
        .LoadBitmapFile(table::BackFileName(kSampleSizeLetter, chosenBack_), backImage_);
    decksLabel_->setText(item->text(0));
    DrawDecksSample();
}

void CustomizeDialog::BackgroundChanged(QTreeWidgetItem* item) {
    if (!item) return;
    BusyCursor busy;
    chosenBackground_ = NumberOf(item);
    backgroundLabel_->setText(item->text(0));
    DrawBackgroundSample();
}

void CustomizeDialog::FadeClicked() {
    if (!IsColourEntry(chosenBackground_)) return;
    BusyCursor busy;
    DrawBackgroundSample();
}

void CustomizeDialog::DrawBackgroundSample() {
    const std::int64_t n = chosenBackground_;
    table::PaintPreferences prefs;
    prefs.defaultBackground = n <= 0;
    prefs.backgroundPicture =
        n >= kFirstPictureEntry && n <= kLastPictureEntry ? static_cast<int>(n) : 0;
    prefs.fixedColour = n > kLastPictureEntry ? n : 0;
    prefs.backgroundColour = customColour_;
    prefs.fadeBackground = fade_->isChecked();
    prefs.lowColourScreen = LowColourScreen();

    QImage picture;
    if (prefs.backgroundPicture != 0)
        table::ImageSource(programDir_)
            .LoadBitmapFile(table::BackgroundFileName(prefs.backgroundPicture), picture);

    if (prefs.backgroundPicture > kLastTiledPreview) {
        // Drawn once at the size of the table it covers, then shrunk into the sample.
        const QScreen* screen = QGuiApplication::primaryScreen();
        const QSize tableSize =
            screen ? screen->availableSize() : QSize(kSampleWidth, kSampleHeight);
        QImage full(tableSize, QImage::Format_RGB32);
        table::PaintBackground(full, prefs, picture);
        backgroundSample_ = full.scaled(kSampleWidth, kSampleHeight, Qt::IgnoreAspectRatio,
                                        Qt::SmoothTransformation);
    } else {
        backgroundSample_ = QImage(kSampleWidth, kSampleHeight, QImage::Format_RGB32);
        table::PaintBackground(backgroundSample_, prefs, picture);
    }
    backgroundPicture_->setPixmap(QPixmap::fromImage(backgroundSample_));
    DrawDecksSample();
}

void CustomizeDialog::DrawDecksSample() {
    decksSample_ = backgroundSample_.copy();
    if (!backImage_.isNull() && !decksSample_.isNull())
        QPainter(&decksSample_).drawImage(kBackSampleX, kBackSampleY, backImage_);
    decksPicture_->setPixmap(QPixmap::fromImage(decksSample_));
}

void CustomizeDialog::PlaySelectedSound() {
    const QListWidgetItem* item = sounds_->currentItem();
    if (!item) return;
    lastTested_ = item->text().toStdString();
    const std::filesystem::path path =
        ProgramPath(programDir_, std::string(kSoundsDirectory) + art::SoundFileName(lastTested_));
    std::error_code error;
    if (!std::filesystem::exists(path, error)) return; // a missing sound stays silent
    if (!soundTest_) soundTest_ = std::make_unique<QSoundEffect>();
    soundTest_->stop();
    soundTest_->setSource(QUrl::fromLocalFile(QString::fromStdString(path.string())));
    soundTest_->play();
}

void CustomizeDialog::accept() {
    const bool soundsOn = !soundsOff_->isChecked();
    const std::string_view soundsValue = soundsOn ? pref::kYes : pref::kNo;
    preferences_.WriteString(pref::kPreferenceSection, pref::kSoundsEnabled, soundsValue);
    // The field holds the back zero-padded ("011").
    if (chosenBack_ > 0)
        settings_.Set(Settings::kBackCard, FormatNumber(chosenBack_, Settings::kBackCard.width));
    preferences_.WriteInt(pref::kPreferenceSection, pref::kBackCard,
                          settings_.Int(Settings::kBackCard));

    const BackgroundFields fields = FieldsOfBackground(chosenBackground_, customColour_);
    const std::string colour = std::to_string(fields.colour);
    const std::string fixed = std::to_string(fields.fixedColour);
    settings_.Set(Settings::kBackgroundBmp, fields.picture);
    settings_.Set(Settings::kBackgroundCol, colour);
    settings_.Set(Settings::kBackgroundFixedCol, fixed);
    settings_.SetFlag(Settings::kBackgroundDef, fields.useDefault);
    settings_.SetFlag(Settings::kFadeBackground, fade_->isChecked());
    settings_.SetFlag(Settings::kSoundsEnabled, soundsOn);
    preferences_.WriteString(pref::kPreferenceSection, pref::kBackgroundBmp, fields.picture);
    preferences_.WriteString(pref::kPreferenceSection, pref::kBackgroundCol, colour);
    preferences_.WriteString(pref::kPreferenceSection, pref::kBackgroundFixedCol, fixed);
    preferences_.WriteString(pref::kPreferenceSection, pref::kBackgroundDef,
                             fields.useDefault ? pref::kYes : pref::kNo);
    preferences_.WriteString(pref::kPreferenceSection, pref::kFadeBackground,
                             fade_->isChecked() ? pref::kYes : pref::kNo);

    const std::string size = cardSize_->currentData().toString().toStdString();
    settings_.SetCardSize(size);
    preferences_.WriteString(pref::kPreferenceSection, pref::kCardSize, size);

    // Medium cards come with their own back; the file keeps the player's choice for later.
    if (settings_.CardSize() == kMediumCardSize)
        settings_.Set(Settings::kBackCard,
                      FormatNumber(kMediumCardBack, Settings::kBackCard.width));
    QDialog::accept();
}

} // namespace tablamor::ui
