#include "designer/simulator/engine.h"

#include <algorithm>

#include "common/text/string_table.h"
#include "common/ui_port.h"
#include "designer/simulator/builtin_screens.h"
#include "designer/simulator/clock_line.h"
#include "designer/simulator/collect_data.h"
#include "designer/simulator/form_screen.h"
#include "designer/simulator/local_time.h"
#include "designer/simulator/menu_screen.h"
#include "designer/simulator/multi_tap.h"
#include "designer/simulator/output_record.h"
#include "designer/strings/string_ids.h"
#include "designer/task/form_view.h"
#include "designer/task/normalize.h"
#include "designer/task/startup_view.h"
#include "designer/task/task_model.h"

namespace simulator {
namespace {

constexpr task::Byte kPassDownAction = 3;
constexpr int kTicksPerSecond = 10;

enum Key {
    kKeyMinus = 10, kKeyZero = 11, kKeyPoint = 12, kKeyAlphabetic = 13,
    kKeyEnter = 16, kKeyEnter2 = 17, kKeyUp = 19, kKeyEscape = 21, kKeyDown = 22, kKeyBackspace = 23,
};

bool IsEnter(int key) { return key == kKeyEnter || key == kKeyEnter2; }

// The character a key types outside alphabetic entry; 0 for keys that type nothing.
char DigitKeyCharacter(int key) {
    if (key >= 1 && key <= 9) return static_cast<char>('0' + key);
    if (key == kKeyZero) return '0';
    if (key == kKeyMinus) return '-';
    if (key == kKeyPoint) return '.';
    return 0;
}

int Wrap(int value, int first, int last) {
    if (value < first) return last;
    if (value > last) return first;
    return value;
}

}  // namespace

struct Engine::State {
    State(task::Task& t, text::StringTable& s, common::UiPort& u, LocalTime& l) : task(t), strings(s), ui(u), time(l) {}

    task::Task& task;
    text::StringTable& strings;
    common::UiPort& ui;
    LocalTime& time;

    ScreenBuffer screen;
    Mode mode = Mode::MainMenu;
    int mainItem = 0;  // no item highlighted at program start
    int systemItem = 1;
    int settingsItem = kFirstSettingsItem;
    int menu = 0;
    FormScreen form;
    bool alphabetic = false;
    MultiTap multiTap;
    int tick = 0;
    std::string lastRecord;
    std::function<void()> newTaskRequest;
    bool newTaskDue = false;

    task::TaskModel& Model() { return task.model; }

    void ShowMain(int item) {
        mode = Mode::MainMenu;
        mainItem = std::clamp(item, 0, kMainMenuItems);
        ShowMainMenu(Model(), mainItem, screen);
    }

    void Restart(int item) {
        alphabetic = false;
        multiTap.Clear();
        ShowMain(item);
    }

    int SystemLines() const { return task::SystemMenuLines(task.model); }

    void ShowSystem(int item) {
        mode = Mode::SystemMenu;
        systemItem = std::clamp(item, 1, SystemLines());
        ShowSystemMenu(Model(), SystemLines(), systemItem, screen);
    }

    void ShowSettings(int item) {
        mode = Mode::ProgramSettings;
        settingsItem = Wrap(item, kFirstSettingsItem, kSettingsItems);
        ShowProgramSettings(Model(), settingsItem, screen);
    }

    void ShowForm() {
        mode = Mode::Form;
        form.Show(FormContext{task.recordCounter, lastRecord}, screen);
    }

    void StartForm(int number) {
        multiTap.Clear();
        form.Start(Model().forms[static_cast<std::size_t>(number)], number);
        ShowForm();
    }

    void EnterMenu(int number, bool reset) {
        menu = number;
        task::MenuRecord& record = Model().menus[static_cast<std::size_t>(number)];
        if (reset) ResetMenu(record);
        mode = Mode::UserMenu;
        ShowMenu(record, screen);
    }

    // Escape targets come back to a menu where it was left.
    void GoTo(task::Byte target, bool escape) {
        if (target >= 1 && target < task::kFirstMenuTarget) {
            StartForm(target - 1);
        } else if (target >= task::kFirstMenuTarget && target <= task::kLastTarget) {
            EnterMenu(target - task::kFirstMenuTarget, !escape);
        } else {
            // The main menu, and every target a task file may hold beyond the last one.
            ShowMain(1);
        }
    }

    void ShowError(EntryError error) {
        ShowForm();
        ShowEntryError(Model(), error, screen);
        mode = Mode::Error;
    }

    void CollectData() {
        RecountTask(Model());
        switch (FindStartPoint(Model())) {
            case StartPoint::FirstMenu: EnterMenu(0, true); return;
            case StartPoint::FirstForm: StartForm(0); return;
            case StartPoint::Nothing: break;
        }
        ui.ShowMessage(strings.Lookup(strings::id::kNoProgramCaption, text::LookupKind::Caption),
                       strings.Lookup(strings::id::kDefineProgram, text::LookupKind::Message),
                       common::MessageIcon::Warning);
        newTaskDue = true;
    }

    void TypeCharacter(char c) {
        switch (form.Type(c)) {
            case FormScreen::Outcome::WrongType: ShowError(EntryError::WrongType); return;
            default: ShowForm(); return;
        }
    }

    // A letter still pending is typed before anything else happens.
    void CommitLetter() {
        if (!multiTap.Pending()) return;
        const char c = multiTap.Take();
        if (mode == Mode::Form) TypeCharacter(c);
    }

    const task::FormRecord& RunningForm() { return Model().forms[static_cast<std::size_t>(form.Number())]; }

    void CompleteRecord() {
        ++task.recordCounter;
        const FormFields fields(RunningForm());
        if (fields.View().RecordAction() == kPassDownAction) {
            lastRecord = BuildOutputRecord(fields, form.Inputs(), RecordSeparators(Model()), time.Now());
        }
        GoTo(fields.View().NextTarget(), false);
    }

    void MainMenuKey(int key) {
        switch (key) {
            case 1: CollectData(); break;
            case 2: mode = Mode::Upload; ShowUploadScreen(Model(), screen); break;
            case 3: ShowSystem(1); break;
            case kKeyEnter:
            case kKeyEnter2:
                if (mainItem >= 1) MainMenuKey(mainItem);
                break;
            case kKeyUp: ShowMain(Wrap(mainItem - 1, 1, kMainMenuItems)); break;
            case kKeyDown: ShowMain(Wrap(mainItem + 1, 1, kMainMenuItems)); break;
            default: break;
        }
    }

    void UploadKey(int key) {
        if (key == kKeyEscape) ShowMain(2);
    }

    void SystemMenuKey(int key) {
        if (key == 1 || (IsEnter(key) && systemItem == 1)) {
            ShowSettings(kFirstSettingsItem);
        } else if (key == kKeyUp) {
            ShowSystem(Wrap(systemItem - 1, 1, SystemLines()));
        } else if (key == kKeyDown) {
            ShowSystem(Wrap(systemItem + 1, 1, SystemLines()));
        } else if (key == kKeyEscape) {
            ShowMain(3);
        }
    }

    void SettingsKey(int key) {
        if ((key >= 1 && key <= 7) || IsEnter(key) || key == kKeyEscape) {
            ShowSystem(1);
        } else if (key == kKeyUp) {
            ShowSettings(settingsItem - 1);
        } else if (key == kKeyDown) {
            ShowSettings(settingsItem + 1);
        }
    }

    void UserMenuKey(int key) {
        task::MenuRecord& record = Model().menus[static_cast<std::size_t>(menu)];
        const MenuAction action = MenuKey(record, key);
        switch (action.kind) {
            case MenuAction::Nothing: break;
            case MenuAction::Redraw: ShowMenu(record, screen); break;
            case MenuAction::Target: GoTo(action.target, false); break;
            case MenuAction::EscapeTarget: GoTo(action.target, true); break;
        }
    }

    void FormKey(int key) {
        const char digit = DigitKeyCharacter(key);
        if (digit != 0) {
            if (alphabetic) {
                multiTap.Press(key);
            } else {
                TypeCharacter(digit);
            }
            return;
        }
        switch (key) {
            case kKeyAlphabetic: alphabetic = !alphabetic; break;
            case kKeyEnter:
            case kKeyEnter2:
                switch (form.Enter()) {
                    case FormScreen::Outcome::TooShort: ShowError(EntryError::TooShort); break;
                    case FormScreen::Outcome::RecordComplete: CompleteRecord(); break;
                    default: ShowForm(); break;
                }
                break;
            case kKeyUp: form.PreviousLine(); ShowForm(); break;
            case kKeyDown: form.NextLine(); ShowForm(); break;
            case kKeyEscape: GoTo(task::ConstFormView(RunningForm()).EscTarget(), true); break;
            case kKeyBackspace: form.Backspace(); ShowForm(); break;
            default: break;
        }
    }

    void Dispatch(int key) {
        if (multiTap.Pending() && key != multiTap.PendingKey()) {
            CommitLetter();
            // The key that committed a wrong letter does not also dismiss its error screen.
            if (mode == Mode::Error) return;
        }
        switch (mode) {
            case Mode::MainMenu: MainMenuKey(key); break;
            case Mode::Upload: UploadKey(key); break;
            case Mode::SystemMenu: SystemMenuKey(key); break;
            case Mode::ProgramSettings: SettingsKey(key); break;
            case Mode::UserMenu: UserMenuKey(key); break;
            case Mode::Form: FormKey(key); break;
            case Mode::Error: ShowForm(); break;
        }
    }

    // What every screen shows besides its lines.
    void Sync() {
        screen.mode = mode;
        screen.alphabetic = alphabetic;
        screen.pendingLetter = multiTap.PendingCharacter();
        screen.clockLine = mode == Mode::MainMenu
                               ? ClockLineText(time.Now(), tick, task.recordCounter,
                                               task::ConstStartupView(Model().startup).SeparateDataFiles() == 0)
                               : std::string();
    }
};

Engine::Engine(task::Task& task, text::StringTable& strings, common::UiPort& ui, LocalTime& time)
    : state_(std::make_unique<State>(task, strings, ui, time)) {
    state_->Restart(0);
    state_->Sync();
}

Engine::~Engine() = default;

void Engine::RestartAtMainMenu() {
    state_->Restart(state_->mainItem);
    state_->Sync();
}

void Engine::PressKey(int key) {
    if (key == kRestartKey) {
        state_->Restart(1);
    } else if (key >= 1 && key <= kKeyCount) {
        state_->Dispatch(key);
    }
    state_->Sync();
    if (state_->newTaskDue) {
        state_->newTaskDue = false;
        if (state_->newTaskRequest) state_->newTaskRequest();
    }
}

void Engine::Tick() {
    state_->tick = (state_->tick + 1) % kTicksPerSecond;
    if (state_->multiTap.Tick()) state_->CommitLetter();
    state_->Sync();
}

const ScreenBuffer& Engine::Screen() const { return state_->screen; }

void Engine::SetNewTaskRequest(std::function<void()> request) { state_->newTaskRequest = std::move(request); }

}  // namespace simulator
