#pragma once
// Building the widget tree from the headless tree. Attaching a window gives
// it and everything on it a peer; the peers keep the tree in sync from then
// on, and controls put on an attached control later get peers of their own.

#include <QWidget>

#include <functional>
#include <string>

class TApplication;
class TComponent;
class TForm;
class TMenuItem;
class QAction;
class QDialog;

namespace gui {

class FormPeer;
class Peer;

// Makes the peer of a component of one class; the component is of that
// class. The peer is put in place and brought up to date afterwards.
using PeerFactory = std::function<Peer*(TComponent& component)>;

// Shows components of a class (ClassName()) with peers from the factory,
// in place of the built-in kind they derive from. A chart, say.
void RegisterPeerFactory(const std::string& className, PeerFactory factory);

// Gives the component and everything on it peers, and returns its peer.
// A control whose parent has no peer gets one when its parent does.
Peer* Attach(TComponent& component);
FormPeer* AttachForm(TForm& form);
// Attaches the window and shows it as the library's Show does.
void Show(TForm& form);
// Every window the application creates from now on is attached, and those
// it has already.
void AttachApplication(TApplication& application);

// What shows a component, once attached; nullptr otherwise.
QWidget* WidgetOf(const TComponent& component);
QDialog* WindowOf(const TForm& form);
QAction* ActionOf(const TMenuItem& item);

} // namespace gui
