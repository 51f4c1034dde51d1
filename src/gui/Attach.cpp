#include "gui/Attach.h"

#include "gui/ButtonPeers.h"
#include "gui/ContainerPeers.h"
#include "gui/DatePickerPeer.h"
#include "gui/EditPeers.h"
#include "gui/FormPeer.h"
#include "gui/FormWindow.h"
#include "gui/ListPeers.h"
#include "gui/MenuPeers.h"
#include "gui/PageControlPeers.h"
#include "gui/SimplePeers.h"
#include "gui/TimerPeer.h"
#include "gui/UpDownPeer.h"

#include "platform/forms/Application.h"
#include "platform/forms/ComCtrls.h"

#include <map>

namespace gui {

namespace {

std::map<std::string, PeerFactory>& factories() {
    static std::map<std::string, PeerFactory> registered;
    return registered;
}

// The built-in kinds, the most derived first.
Peer* builtinPeer(TComponent& c) {
    if (auto* x = dynamic_cast<TForm*>(&c)) return new FormPeer(*x);
    if (auto* x = dynamic_cast<TTabSheet*>(&c)) return new TabSheetPeer(*x);
    if (auto* x = dynamic_cast<TPageControl*>(&c)) return new PageControlPeer(*x);
    if (auto* x = dynamic_cast<TUpDown*>(&c)) return new UpDownPeer(*x);
    if (auto* x = dynamic_cast<TStatusBar*>(&c)) return new StatusBarPeer(*x);
    if (auto* x = dynamic_cast<TDateTimePicker*>(&c)) return new DatePickerPeer(*x);
    if (auto* x = dynamic_cast<TStringGrid*>(&c)) return new StringGridPeer(*x);
    if (auto* x = dynamic_cast<TLabel*>(&c)) return new LabelPeer(*x);
    if (auto* x = dynamic_cast<TImage*>(&c)) return new ImagePeer(*x);
    if (auto* x = dynamic_cast<TEdit*>(&c)) return new EditPeer(*x);
    if (auto* x = dynamic_cast<TMemo*>(&c)) return new MemoPeer(*x);
    if (auto* x = dynamic_cast<TComboBox*>(&c)) return new ComboBoxPeer(*x);
    if (auto* x = dynamic_cast<TListBox*>(&c)) return new ListBoxPeer(*x);
    if (auto* x = dynamic_cast<TSpeedButton*>(&c)) return new SpeedButtonPeer(*x);
    if (auto* x = dynamic_cast<TButtonControl*>(&c)) return new ButtonPeer(*x);
    if (auto* x = dynamic_cast<TCheckBox*>(&c)) return new CheckBoxPeer(*x);
    if (auto* x = dynamic_cast<TRadioGroup*>(&c)) return new RadioGroupPeer(*x);
    if (auto* x = dynamic_cast<TGroupBox*>(&c)) return new GroupBoxPeer(*x);
    if (auto* x = dynamic_cast<TPanel*>(&c)) return new PanelPeer(*x);
    if (auto* x = dynamic_cast<TTimer*>(&c)) return new TimerPeer(*x);
    if (auto* x = dynamic_cast<TMainMenu*>(&c)) return new MainMenuPeer(*x);
    // Kinds without a peer of their own still show what is on them.
    if (auto* x = dynamic_cast<TWinControl*>(&c)) return new ControlPeer(*x, new QWidget);
    if (auto* x = dynamic_cast<TControl*>(&c)) return new ControlPeer(*x, new QWidget);
    return nullptr;  // dialogs run through the platform; menu items live in their menu
}

Peer* makePeer(TComponent& c) {
    auto found = factories().find(c.ClassName());
    if (found != factories().end()) return found->second(c);
    return builtinPeer(c);
}

// Hears of the windows the application creates.
class ApplicationPeer : public Peer {
public:
    explicit ApplicationPeer(TApplication& application) : Peer(application) {}
    void syncAll() override { sync(TProperty::Components); }

protected:
    void sync(TProperty property) override {
        if (property != TProperty::Components) return;
        for (TComponent* c : component()->ComponentList())
            if (auto* form = dynamic_cast<TForm*>(c); form && !form->Peer()) Attach(*form);
    }
};

} // namespace

void RegisterPeerFactory(const std::string& className, PeerFactory factory) {
    factories()[className] = std::move(factory);
}

Peer* Attach(TComponent& component) {
    if (Peer* existing = PeerOf(&component)) return existing;
    if (component.Peer()) return nullptr;  // someone else's view
    auto* control = dynamic_cast<TControl*>(&component);
    if (control && !dynamic_cast<TForm*>(control)) {
        auto* parent = dynamic_cast<ControlPeer*>(PeerOf(control->Parent()));
        if (!parent || !parent->container()) return nullptr;
    }
    Peer* peer = makePeer(component);
    if (!peer) return nullptr;
    component.SetPeer(peer);
    auto* controlPeer = dynamic_cast<ControlPeer*>(peer);
    if (controlPeer) controlPeer->place();
    if (auto* win = dynamic_cast<TWinControl*>(&component))
        for (TControl* child : win->ControlList()) Attach(*child);
    if (dynamic_cast<TForm*>(&component))
        for (TComponent* owned : component.ComponentList())
            if (!dynamic_cast<TControl*>(owned) && !dynamic_cast<TMenuItem*>(owned)) Attach(*owned);
    peer->syncAll();
    return peer;
}

FormPeer* AttachForm(TForm& form) { return dynamic_cast<FormPeer*>(Attach(form)); }

void Show(TForm& form) {
    AttachForm(form);
    form.ShowForm();
}

void AttachApplication(TApplication& application) {
    if (application.Peer()) return;
    auto* peer = new ApplicationPeer(application);
    application.SetPeer(peer);
    peer->syncAll();
}

QWidget* WidgetOf(const TComponent& component) {
    Peer* peer = PeerOf(&component);
    return peer ? peer->widget() : nullptr;
}

QDialog* WindowOf(const TForm& form) {
    auto* peer = dynamic_cast<FormPeer*>(PeerOf(&form));
    return peer ? peer->window() : nullptr;
}

QAction* ActionOf(const TMenuItem& item) {
    auto* peer = dynamic_cast<MenuItemPeer*>(PeerOf(&item));
    return peer ? peer->action() : nullptr;
}

} // namespace gui
