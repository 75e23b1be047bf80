#include "designer/shell/preferences_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "designer/link/port_list.h"
#include "common/qt/qt_text.h"
#include "common/qt/text_room.h"

namespace shell {
namespace {

std::vector<std::string> LanguageNames(const text::StringTable& strings) {
    std::vector<std::string> names;
    for (const text::Language& language : strings.Languages()) names.push_back(language.name);
    return names;
}

// The preferences as the settings file holds them, and the system's ports.
PreferencesPage MakePage(DesignerSession& session) {
    session.ReloadPreferences();
    Preferences stored = session.CurrentPreferences();
    termlink::ListSerialPorts(nullptr, &stored.portPosition, stored.comPort);
    PortChoices ports = ListPortChoices(termlink::EnumerateSerialPorts().value_or(std::vector<termlink::SerialPort>{}),
                                        session.Texts());
    return PreferencesPage(stored, LanguageNames(session.Texts()), std::move(ports));
}

QLabel* Label(const std::string& text, int controlId, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(qtui::FromCp1251(text), parent);
    label->setProperty("controlId", controlId);
    label->setBuddy(buddy);
    return label;
}

}  // namespace

PreferencesDialog::PreferencesDialog(DesignerSession& session, TransferCommands* transfers, QWidget* parent)
    : QDialog(parent), session_(session), transfers_(transfers), page_(MakePage(session)) {
    setObjectName(QStringLiteral("PreferencesDlg"));
    const PreferencesTexts texts = LoadPreferencesTexts(session_.Texts());
    setWindowTitle(qtui::FromCp1251(texts.title));
    auto* grid = new QGridLayout(this);

    QComboBox* download = AddList(401, texts.linkTypes, page_.DownloadRow());
    connect(download, &QComboBox::currentIndexChanged, this, [this](int row) { page_.ChooseDownload(row); });
    grid->addWidget(Label(texts.downloadLabel, 901, download, this), 0, 0);
    grid->addWidget(download, 0, 1, 1, 2);

    QComboBox* receive = AddList(402, texts.linkTypes, page_.ReceiveRow());
    connect(receive, &QComboBox::currentIndexChanged, this, [this](int row) { page_.ChooseReceive(row); });
    grid->addWidget(Label(texts.receiveLabel, 902, receive, this), 1, 0);
    grid->addWidget(receive, 1, 1, 1, 2);

    ports_ = AddList(405, page_.PortLines(), page_.PortRow());
    connect(ports_, &QComboBox::currentIndexChanged, this, [this](int row) { page_.ChoosePort(row); });
    auto* detect = new QPushButton(qtui::FromCp1251(texts.detectCradle), this);
    detect->setProperty("controlId", 1013);
    detect->setAutoDefault(false);
    detect->setEnabled(transfers_ != nullptr);
    connect(detect, &QPushButton::clicked, this, &PreferencesDialog::DetectCradle);
    grid->addWidget(Label(texts.portLabel, 903, ports_, this), 2, 0);
    grid->addWidget(ports_, 2, 1);
    grid->addWidget(detect, 2, 2);

    QComboBox* speed = AddList(403, texts.speeds, page_.SpeedRow());
    connect(speed, &QComboBox::currentIndexChanged, this, [this](int row) { page_.ChooseSpeed(row); });
    grid->addWidget(Label(texts.speedLabel, 904, speed, this), 3, 0);
    grid->addWidget(speed, 3, 1, 1, 2);

    auto* preload = new QCheckBox(qtui::FromCp1251(texts.autoPreload), this);
    preload->setProperty("controlId", 101);
    preload->setChecked(page_.AutoPreload());
    connect(preload, &QCheckBox::toggled, this, [this](bool on) { page_.SetAutoPreload(on); });
    grid->addWidget(preload, 4, 0, 1, 3);

    auto* onTop = new QCheckBox(qtui::FromCp1251(texts.alwaysOnTop), this);
    onTop->setProperty("controlId", 102);
    onTop->setChecked(page_.AlwaysOnTop());
    connect(onTop, &QCheckBox::toggled, this, [this](bool on) { page_.SetAlwaysOnTop(on); });
    grid->addWidget(onTop, 5, 0, 1, 3);

    std::vector<std::string> languageRows{texts.defaultLanguage};
    languageRows.insert(languageRows.end(), page_.LanguageNames().begin(), page_.LanguageNames().end());
    QComboBox* language = AddList(404, languageRows, page_.LanguageRow());
    connect(language, &QComboBox::currentIndexChanged, this, [this](int row) { page_.ChooseLanguage(row); });
    QLabel* languageLabel = Label(texts.languageLabel, 905, language, this);
    language->setEnabled(page_.LanguageEnabled());
    languageLabel->setEnabled(page_.LanguageEnabled());
    grid->addWidget(languageLabel, 6, 0);
    grid->addWidget(language, 6, 1, 1, 2);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(qtui::FromCp1251(texts.ok), QDialogButtonBox::AcceptRole);
    ok->setProperty("controlId", 1);
    ok->setDefault(true);
    QPushButton* cancel = buttons->addButton(qtui::FromCp1251(texts.cancel), QDialogButtonBox::RejectRole);
    cancel->setProperty("controlId", 2);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    grid->addWidget(buttons, 7, 0, 1, 3);
    qtui::MakeRoomForTexts(*this);
}

QComboBox* PreferencesDialog::AddList(int controlId, const std::vector<std::string>& rows, int row) {
    auto* list = new QComboBox(this);
    list->setProperty("controlId", controlId);
    for (const std::string& text : rows) list->addItem(qtui::FromCp1251(text));
    list->setCurrentIndex(row);
    return list;
}

// The search tells each port it tries on its progress window, where the
// user may cancel it; a cancelled search has nothing to report.
void PreferencesDialog::DetectCradle() {
    std::string portName;
    const std::optional<int> position = transfers_->DetectCradle(portName);
    if (!position) return;
    page_.TakeDetection(*position, portName, session_.Texts(), session_.Ui());
    ports_->setCurrentIndex(page_.PortRow());
}

void PreferencesDialog::accept() {
    session_.ApplyPreferences(page_.Accepted());
    QDialog::accept();
}

}  // namespace shell
