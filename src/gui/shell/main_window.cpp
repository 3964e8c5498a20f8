#include "gui/shell/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

#include "core/school.h"
#include "core/turkish_text.h"
#include "gui/common/function_keys.h"
#include "gui/common/help_window.h"
#include "gui/common/key_line.h"
#include "gui/common/message_window.h"
#include "gui/common/mnemonics.h"
#include "gui/common/qt_text.h"
#include "gui/shell/path_window.h"
#include "shell/startup.h"

namespace kalvodrin {
namespace {

constexpr std::string_view kTitle = "ÖĞRETMEN HAFTALIK DERS DAĞITIM PROGRAMI";

std::size_t SlotOf(MainMenuItem item) { return static_cast<std::size_t>(item); }

QLabel* TitleLabel(const QString& text, int pointSize, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  QFont font = label->font();
  font.setPointSize(pointSize);
  font.setBold(true);
  label->setFont(font);
  label->setAlignment(Qt::AlignCenter);
  label->setWordWrap(true);
  return label;
}

}  // namespace

TKalvodrinForm::TKalvodrinForm(AppContext context, TPathForm& pathForm, QWidget* parent)
    : QMainWindow(parent), context_(context), pathForm_(pathForm) {
  setObjectName("TKalvodrinForm");
  setWindowTitle(U8(kTitle));
  BuildMenu();
  setCentralWidget(BuildCentre());
  THelpForm* help = &context_.help;
  keyLine_->Bind({QKeySequence(Qt::Key_F1)}, U8("Yardım"), [help] { help->ShowContents(); });
  resize(760, 420);
  RefreshStates();
}

void TKalvodrinForm::BuildMenu() {
  QMenu* menu = nullptr;
  std::string_view current;
  QString usedInBar;
  QString usedInMenu;
  for (const MainMenuEntry& entry : kMainMenu) {
    if (menu == nullptr || entry.menu != current) {
      menu = menuBar()->addMenu(WithMnemonic(U8(entry.menu), usedInBar));
      current = entry.menu;
      usedInMenu.clear();
    }
    QAction* action = menu->addAction(WithMnemonic(U8(entry.caption), usedInMenu));
    action->setObjectName(QString::fromLatin1(entry.objectName.data(),
                                              static_cast<qsizetype>(entry.objectName.size())));
    const MainMenuItem item = entry.item;
    connect(action, &QAction::triggered, this, [this, item] { Choose(item); });
    actions_[SlotOf(item)] = action;
  }
}

QWidget* TKalvodrinForm::BuildCentre() {
  auto* centre = new QWidget(this);
  auto* title = TitleLabel(U8(kTitle), 16, centre);
  title->setObjectName("BaslikLabel");
  okulLabel_ = TitleLabel(QString(), 24, centre);
  okulLabel_->setObjectName("OkulLabel");
  dizinLabel_ = new QLabel(centre);
  dizinLabel_->setObjectName("DizinLabel");
  dizinLabel_->setAlignment(Qt::AlignCenter);

  dersHavuzuBtn_ = new QPushButton(U8("DERS HAVUZU"), centre);
  dersHavuzuBtn_->setObjectName("DersHavuzuBtn");
  connect(dersHavuzuBtn_, &QPushButton::clicked, this,
          [this] { Choose(MainMenuItem::kLessonPool); });
  auto* dizinBtn = new QPushButton(U8("Çalışma Dizini"), centre);
  dizinBtn->setObjectName("CalismaDiziniBtn");
  connect(dizinBtn, &QPushButton::clicked, this, &TKalvodrinForm::CalismaDiziniBtnClick);
  auto* cikisBtn = new QPushButton(U8("ÇIKIŞ"), centre);
  cikisBtn->setObjectName("CikisBtn");
  connect(cikisBtn, &QPushButton::clicked, this, &QWidget::close);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(dersHavuzuBtn_);
  buttons->addStretch();
  buttons->addWidget(dizinBtn);
  buttons->addWidget(cikisBtn);
  auto* layout = new QVBoxLayout(centre);
  layout->addStretch();
  layout->addWidget(title);
  layout->addSpacing(16);
  layout->addWidget(okulLabel_);
  layout->addStretch();
  layout->addWidget(dizinLabel_);
  layout->addLayout(buttons);
  // The menus open with Alt and the letter underlined in their names.
  keyLine_ = new KeyLine(this);
  keyLine_->Show(U8("Alt+altı çizili harf"), U8("Menü"));
  layout->addWidget(keyLine_);
  return centre;
}

void TKalvodrinForm::SetOpener(MainMenuItem item, WindowOpener opener) {
  openers_[SlotOf(item)] = std::move(opener);
  RefreshStates();
}

namespace {

constexpr const char* kGeometryKey = "anaPencere/konum";

QString SettingsPath(const std::filesystem::path& file) {
  return QString::fromStdString(file.string());
}

}  // namespace

void TKalvodrinForm::RememberGeometryIn(const std::filesystem::path& file) {
  geometryFile_ = file;
  const QSettings stored(SettingsPath(file), QSettings::IniFormat);
  // A geometry from another screen is fitted onto the screens there are now.
  const QByteArray geometry = stored.value(kGeometryKey).toByteArray();
  if (!geometry.isEmpty()) restoreGeometry(geometry);
}

void TKalvodrinForm::closeEvent(QCloseEvent* event) {
  if (!geometryFile_.empty()) {
    QSettings stored(SettingsPath(geometryFile_), QSettings::IniFormat);
    stored.setValue(kGeometryKey, saveGeometry());
  }
  QMainWindow::closeEvent(event);
}

void TKalvodrinForm::SetStartup(const StartupResult& result) {
  schoolLoaded_ = result.status.ok();
  workFolderFile_ = result.workFolderFile;
  // A folder named at start is the one in use, whatever YARDIM.LOF says.
  shownWorkFolder_ = result.folderOverridden
                         ? Utf8ToCp1254(context_.school.WorkFolder.string()).value_or("")
                         : result.storedWorkFolder;
  const std::string name = context_.school.Settings.schoolName.str();
  okulLabel_->setText(schoolLoaded_ && !name.empty() ? FromCp1254(name)
                                                     : U8("KALVODRİN"));
  dizinLabel_->setText(U8("Çalışma dizini: ") +
                       QString::fromStdString(context_.school.WorkFolder.string()) +
                       (schoolLoaded_ ? QString() : U8("  (açılamadı)")));
  RefreshStates();
}

void TKalvodrinForm::RefreshStates() {
  for (const MainMenuEntry& entry : kMainMenu) {
    const bool isExit = entry.item == MainMenuItem::kExit;
    actions_[SlotOf(entry.item)]->setEnabled(isExit ||
                                             (HasWindow(entry.item) && schoolLoaded_));
  }
  dersHavuzuBtn_->setEnabled(ActionOf(MainMenuItem::kLessonPool)->isEnabled());
}

QAction* TKalvodrinForm::ActionOf(MainMenuItem item) const { return actions_[SlotOf(item)]; }

bool TKalvodrinForm::HasWindow(MainMenuItem item) const {
  return static_cast<bool>(openers_[SlotOf(item)]);
}

void TKalvodrinForm::Choose(MainMenuItem item) {
  if (item == MainMenuItem::kExit) {
    close();
    return;
  }
  const WindowOpener& opener = openers_[SlotOf(item)];
  if (!opener || !schoolLoaded_) return;
  switch (DecideMenuItem(context_.school, item)) {
    case MenuDecision::kNothing:
      return;
    case MenuDecision::kNotice:
      context_.sil.Notice(U8(MenuNoticeText(item)));
      return;
    case MenuDecision::kOpen:
      break;
  }
  if (opener() == OpenOutcome::kRestored) {
    context_.sil.Notice(U8(kRestoreExitNotice));
    close();
  }
}

void TKalvodrinForm::CalismaDiziniBtnClick() {
  if (pathForm_.Open(workFolderFile_, shownWorkFolder_)) emit WorkFolderSaved();
}

}  // namespace kalvodrin
