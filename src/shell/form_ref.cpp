#include "shell/form_ref.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QPointer>

#include <utility>
#include <vector>

namespace {

std::vector<FormSlot*>& all_slots()
{
    static std::vector<FormSlot*> registry;
    return registry;
}

int modal_loops = 0;
std::vector<QPointer<Form>> closed_during_modal_loop;

bool ended = false;
bool leave_event_loop = true;
QPointer<QObject> pending_check;

} // namespace

FormSlot::FormSlot(Role role) : role_(role)
{
    all_slots().push_back(this);
}

void FormSlot::open(Form* form)
{
    form_ = form;
    form->slot_ = this;
    form->Form_Load();
}

void FormSlot::show_form()
{
    if (!form_)
        return;
    form_->show();
    form_->activateWindow();
}

void FormSlot::hide()
{
    if (!form_)
        return;
    form_->hide();
    if (role_ == Role::Viewer)
        schedule_end_check();
}

void FormSlot::unload()
{
    if (!form_ || unloading_)
        return;
    unloading_ = true;
    form_->Form_Unload();
    Form* closing = form_;
    form_ = nullptr;
    unloading_ = false;
    closing->slot_ = nullptr;
    closing->hide();
    destroy_later(closing);
    schedule_end_check();
}

void FormSlot::destroy_later(Form* form)
{
    if (modal_loops > 0) {
        closed_during_modal_loop.emplace_back(form);
        return;
    }
    // Destroyed once control is back in the event loop, so a handler of the window that closed
    // it can still finish.
    form->deleteLater();
}

ModalLoop::ModalLoop()
{
    ++modal_loops;
}

ModalLoop::~ModalLoop()
{
    if (--modal_loops > 0)
        return;
    for (const QPointer<Form>& form : std::exchange(closed_during_modal_loop, {})) {
        if (form)
            FormSlot::destroy_later(form);
    }
}

void FormSlot::show_modal()
{
    if (!form_)
        return;
    QPointer<Form> modal = form_;
    const ModalLoop marked;
    QEventLoop loop;
    QObject::connect(modal, &Form::hidden, &loop, &QEventLoop::quit);
    QObject::connect(modal, &QObject::destroyed, &loop, &QEventLoop::quit);
    modal->setWindowModality(Qt::ApplicationModal);
    show_form();
    if (modal->isVisible())
        loop.exec();
    if (modal && !modal->isVisible())
        modal->setWindowModality(Qt::NonModal);
}

void FormSlot::schedule_end_check()
{
    if (pending_check)
        return;
    // A deferred delete runs only when control returns to this event loop level, never inside a
    // modal box's nested loop, so "unload, show a message, then open the next window" is safe.
    pending_check = new QObject;
    QObject::connect(pending_check, &QObject::destroyed, [] { end_if_nothing_open(); });
    pending_check->deleteLater();
}

void FormSlot::end_if_nothing_open()
{
    for (const FormSlot* slot : all_slots()) {
        if (!slot->form_)
            continue;
        if (slot->role_ == Role::Main || slot->form_->isVisible())
            return;
    }
    end_program();
}

void FormSlot::discard_all()
{
    for (FormSlot* slot : all_slots()) {
        delete slot->form_;
        slot->form_ = nullptr;
        slot->unloading_ = false;
    }
    for (const QPointer<Form>& form : std::exchange(closed_during_modal_loop, {}))
        delete form;
}

void end_program()
{
    ended = true;
    if (leave_event_loop)
        QCoreApplication::exit(0);
}

void record_program_end_only()
{
    leave_event_loop = false;
}

bool program_ended()
{
    return ended;
}

void reset_program_ended()
{
    ended = false;
}
