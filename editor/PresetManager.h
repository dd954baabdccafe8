// The editor's eight preset memories: store the current sound into one,
// recall one with a morph over the fade time, load and save them as a bank.
#pragma once

#include "editor/PresetLoadBankListener.h"
#include "editor/PresetMemListener.h"
#include "editor/PresetSaveBankListener.h"
#include "editor/PresetListenerRefList.h"
#include "editor/PresetNumberListener.h"
#include "editor/PresetTimeDisplayListener.h"
#include "editor/PresetTimeFaderListener.h"
#include "editor/ProgStLdDefault.h"
#include "params/BankManager.h"
#include "sys/FileSelector.h"

#include <string>

namespace ruvava
{
class ControlInterface;
class FlipFlop;
class PushButton;
class TextBox;
}  // namespace ruvava

namespace rivo
{

class GuiInterface;

class PresetManager
{
public:
	static constexpr int NBR_MEMORIES = PresetListenerRefList::NBR_MEMORIES;
	// The resource the editor's memories start from.
	static constexpr const char *DEFAULT_BANK = "default_preset_bank";

	PresetManager();
	virtual ~PresetManager() = default;
	PresetManager(const PresetManager &) = delete;
	PresetManager &operator=(const PresetManager &) = delete;

	// Once only: 0, or the code of loading the default bank (-1 when the
	// resource is missing), the memories then holding the current sound.
	// number_ctrls: the eight memory buttons.
	int init(GuiInterface &gui, ProgStLdInterface *stld_ptr, ruvava::ControlInterface **number_ctrls,
	         ruvava::FlipFlop &mem, ruvava::PushButton &load, ruvava::PushButton &save,
	         ruvava::ControlInterface &time_fader, ruvava::TextBox &time_display, const char *default_bank_0);
	// The first eight programs of the bank over the memories (fewer: the rest stay).
	void set_bank(const BankManager &bank);
	void set_bank_dir(const char *dir_0);
	// Stops any fade.
	void restore();
	// What shows the bank dialogs (the editor's window); null: the buttons do nothing.
	void set_dialog_host(sys::DialogHostInterface *host_ptr);

	const BankManager &use_bank() const noexcept
	{
		return _bank;
	}
	BankManager &use_bank() noexcept
	{
		return _bank;
	}
	double get_fade_time() const noexcept
	{
		return _fader_listener.get_time();
	}
	const std::string &get_bank_path() const noexcept
	{
		return _sel.get_filename();
	}
	// The file filter of the bank dialogs: its name and pattern.
	static std::string get_filter_name();
	static std::string get_filter_pattern();

private:
	GuiInterface *_gui_ptr = nullptr;
	PresetMemListener _mem_listener;
	PresetNumberListener _number_listeners[NBR_MEMORIES];
	PresetListenerRefList _refs;
	PresetTimeDisplayListener _display_listener;
	PresetTimeFaderListener _fader_listener;
	sys::FileSelector _sel;
	PresetLoadBankListener _load_listener;
	PresetSaveBankListener _save_listener;
	BankManager _bank;
	ProgStLdDefault _stld_default;
	ProgStLdInterface *_stld_ptr = nullptr;
	bool _init_flag = false;
};

}  // namespace rivo
