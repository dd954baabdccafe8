// The setup menu behind the information bar's button: the about box, the
// maker's web pages, setting files, the mouse mode and the MIDI options. It
// is built once; its labels and check marks are refreshed before each show.
#pragma once

#include "config/SettingMgr.h"
#include "editor/MidiAutoBindMgr.h"
#include "editor/SetupCtrlListener.h"
#include "editor/SetupMLAbout.h"
#include "editor/SetupMLCompatibleMouse.h"
#include "editor/SetupMLLoadSettings.h"
#include "editor/SetupMLMidiAutoBind.h"
#include "editor/SetupMLMidiDevice.h"
#include "editor/SetupMLMidiNrpnComp.h"
#include "editor/SetupMLSaveSettings.h"
#include "editor/SetupMLWebSite.h"
#include "gui/MenuDelimiter.h"
#include "gui/MenuItem.h"
#include "gui/MenuList.h"
#include "sys/FileSelector.h"

#include <deque>
#include <string>

namespace ruvava
{
class PushButton;
}

namespace sys
{
class DialogHostInterface;
}

namespace rivo
{

class DspInterface;
class GuiInterface;
class HostGuiInterface;
class MetaControlList;
class MidiMgr;
class WebSiteJumpInterface;

class SetupMgr
{
public:
	static constexpr const char *SETTING_FILE_EXT = "cfg.txt";

	SetupMgr();
	virtual ~SetupMgr();

	// dialogs: where the file selector and message boxes show (may be null:
	// those entries then do nothing). 0 or the first error.
	int init(GuiInterface &gui, MetaControlList &mcl, ruvava::PushButton &button, WebSiteJumpInterface &jump,
	         sys::DialogHostInterface *dialogs_ptr);
	void display_menu();
	void update_midi_menu();
	void restore() {}

	ruvava::MenuList &use_menu() noexcept
	{
		return _root;
	}
	MidiAutoBindMgr &use_midi_ab_mgr() noexcept
	{
		return _autobind;
	}
	WebSiteJumpInterface *use_jump() const noexcept
	{
		return _jump_ptr;
	}
	HostGuiInterface *use_host_gui() const noexcept
	{
		return _host_ptr;
	}
	GuiInterface *use_gui() const noexcept
	{
		return _gui_ptr;
	}
	MetaControlList *use_mcl() const noexcept
	{
		return _mcl_ptr;
	}
	SettingMgr &use_setting_mgr() noexcept
	{
		return _settings;
	}
	sys::FileSelector &use_file_selector() noexcept
	{
		return _selector;
	}
	sys::DialogHostInterface *use_dialog_host() const noexcept
	{
		return _dialogs_ptr;
	}
	// Null without a MIDI path.
	MidiMgr *use_midi_mgr() const;
	DspInterface *use_dsp() const;
	// "Error": what failed and its code.
	void show_error(const char *what_0, int code);

private:
	class MidiDeviceMenu
	{
	public:
		struct Entry
		{
			explicit Entry(const std::string &label) : _item(label, true) {}
			ruvava::MenuItem _item;
			SetupMLMidiDevice _listener;
		};
		explicit MidiDeviceMenu(const char *label_0) : _list(label_0) {}
		// "None", then each device of the list.
		void fill(SetupMgr &mgr, SetupMLMidiDevice::Type type);
		void check(int cur_id);
		ruvava::MenuList _list;
		std::deque<Entry> _entries;
	};
	void add_midi_menu();
	void add_item(ruvava::MenuItem &item, ruvava::MenuListenerInterface &listener, SetupComponent &comp);

	GuiInterface *_gui_ptr = nullptr;
	MetaControlList *_mcl_ptr = nullptr;
	HostGuiInterface *_host_ptr = nullptr;
	WebSiteJumpInterface *_jump_ptr = nullptr;
	ruvava::PushButton *_button_ptr = nullptr;
	sys::DialogHostInterface *_dialogs_ptr = nullptr;
	bool _built = false;

	MidiAutoBindMgr _autobind;
	SetupCtrlListener _ctrl_listener;
	SettingMgr _settings;
	sys::FileSelector _selector;

	ruvava::MenuList _root{""};
	ruvava::MenuItem _about{"About..."};
	ruvava::MenuDelimiter _web{"Kestrom on the web"};
	ruvava::MenuItem _product{"Product info..."};
	ruvava::MenuItem _updates{"Updates..."};
	ruvava::MenuItem _docs{"Documentation..."};
	ruvava::MenuItem _presets{"Presets..."};
	ruvava::MenuDelimiter _settings_head{"Settings"};
	ruvava::MenuItem _load{"Load..."};
	ruvava::MenuItem _save{"Save..."};
	ruvava::MenuItem _mouse{"Enhanced mouse mode", true};
	ruvava::MenuDelimiter _midi_head{"MIDI"};
	ruvava::MenuItem _autobind_item{"Auto-bind", true};
	MidiDeviceMenu _dev_in{"Input device"};
	MidiDeviceMenu _dev_out{"Output device"};
	ruvava::MenuItem _nrpn{"Old erroneous nrpn behaviour", true};

	SetupMLAbout _about_l;
	SetupMLWebSite _web_l[4];
	SetupMLLoadSettings _load_l;
	SetupMLSaveSettings _save_l;
	SetupMLCompatibleMouse _mouse_l;
	SetupMLMidiAutoBind _autobind_l;
	SetupMLMidiNrpnComp _nrpn_l;
};

}  // namespace rivo
