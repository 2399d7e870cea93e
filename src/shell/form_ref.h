#pragma once

#include "shell/form.h"

// One window of the program, reached through one program-wide reference. Show creates the window
// when it is not open and runs its load sequence; hide and unload of a window that is not open do
// nothing and never create it; the close sequence runs once and never cancels the close.
class FormSlot {
public:
    // A viewer is a window that alone does not keep the program running once it is hidden.
    enum class Role { Main, Viewer };

    explicit FormSlot(Role role);
    FormSlot(const FormSlot&) = delete;
    FormSlot& operator=(const FormSlot&) = delete;

    bool is_open() const { return form_ != nullptr; }
    void hide();
    void unload();

    // Shows the open window modally and returns once it is hidden or unloaded.
    void show_modal();

    // Destroys every open window without running a close sequence, as at the end of the program.
    static void discard_all();
    // Hidden viewers alone do not keep the program running: see schedule_end_check.
    static void schedule_end_check();

protected:
    Form* form() const { return form_; }
    void open(Form* form);
    void show_form();

private:
    static void end_if_nothing_open();
    static void destroy_later(Form* form);
    friend class ModalLoop;

    Form* form_ = nullptr;
    bool unloading_ = false;
    Role role_;
};

template <class W>
class FormRef : public FormSlot {
public:
    using FormSlot::FormSlot;

    // The open window, or null: never creates it.
    W* get() const { return static_cast<W*>(form()); }

    W* load()
    {
        if (!is_open())
            open(new W);
        return get();
    }

    W* show()
    {
        load();
        show_form();
        return get();
    }
};

// Marks a modal loop (a modal window or message box) while it runs. A window closed meanwhile is
// destroyed only once every modal loop has ended: the loop, or the handler that opened it, may
// still use the window.
class ModalLoop {
public:
    ModalLoop();
    ~ModalLoop();
    ModalLoop(const ModalLoop&) = delete;
    ModalLoop& operator=(const ModalLoop&) = delete;
};

// Ends the program at once, running no close sequence: the event loop returns.
void end_program();
// Whether end_program has been called; tests read it and reset it.
bool program_ended();
void reset_program_ended();
// Tests keep their own event loops running: the program's end is only recorded.
void record_program_end_only();
