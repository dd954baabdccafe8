// The plug-in's editor: its window's trees, the pictures and fonts of its
// scale, and the panels whose controls are bound to the parameters.
#pragma once

#include "gui/BackgroundItem.h"
#include "gui/BackgroundSplit.h"
#include "editor/GraphRscMixin.h"
#include "editor/GuiEdit.h"
#include "editor/GuiEffect.h"
#include "editor/GuiInfo.h"
#include "editor/GuiLfo.h"
#include "editor/GuiPresets.h"
#include "editor/GuiTempo.h"
#include "editor/ListenerBase.h"
#include "editor/MasterMgr.h"
#include "editor/MetaControlList.h"
#include "gui/CtrlGroupItem.h"
#include "gui/CtrlGroupSplit.h"
#include "params/GuiInterface.h"
#include "params/ParamChangeBoard.h"
#include "params/TimeUnit.h"

#include <deque>
#include <memory>
#include <string>

namespace ruvava
{
class FontInterface;
class PicDataInterface;
class PumpedWindow;
}  // namespace ruvava

namespace rivo
{

class NumParamMgrInterface;
class NumValListenerInterface;

class TarvelleGui : public GuiInterface, public GraphRscMixin
{
public:
	static constexpr int WIDTH = 601;
	static constexpr int HEIGHT = 563;
	// Fonts: the panels' texts, the preset bar's display.
	static constexpr int DEFAULT_FONT = 0;
	static constexpr int BAR_LCD_FONT = 1;

	TarvelleGui();
	~TarvelleGui() override;

	int init() override;
	// The first call builds the trees and binds the controls.
	void set_default_state() override
	{
		build();
	}
	void restore() override;
	HostGuiInterface *get_host() const override
	{
		return _host_ptr;
	}
	void set_host(HostGuiInterface &host) override
	{
		_host_ptr = &host;
	}
	DspInterface *get_dsp() const override
	{
		return _dsp_ptr;
	}
	void set_dsp(DspInterface &dsp) override
	{
		_dsp_ptr = &dsp;
	}
	// A ruvava::PumpedWindow.
	void set_msg_mgr_ptr(void *msg_mgr_ptr) override;
	void *get_msg_mgr_ptr() const override;
	void get_max_window_size(int &w, int &h) const override
	{
		w = WIDTH;
		h = HEIGHT;
	}
	void get_window_size(int &w, int &h) const override
	{
		w = WIDTH;
		h = HEIGHT;
	}
	int open(void *parent_ptr) override;
	void close() override;
	// Any thread: recorded, shown at the next idle call.
	void set_param(int index, float nval, int prio) override;
	void set_hidden_param(int, float) override {}
	// The host's tempo, on the editor's thread: the tempo display follows.
	void set_tempo(float bpm) override;
	// pic: 0 none, 1 lit marker, 2 dim marker. The editor's thread only.
	void set_control_top_layer_pic(int index, int pic) override;
	void idle() override;
	void set_scale(int scale) override;
	int get_scale() const override
	{
		return _scale;
	}

	MetaControlList &use_mcl() noexcept
	{
		return _mcl;
	}
	MasterMgr &use_master_mgr() noexcept
	{
		return _master_mgr;
	}

	// Binds a control to its parameter; main: the control is the one that
	// shows the parameter's changes from elsewhere.
	void bind_param(ruvava::ControlInterface &ctrl, ListenerBase &listener, int index, bool main);
	// And places it in a group.
	void place(ruvava::ControlInterface &ctrl, ListenerBase &listener, int index, ruvava::CtrlGroupItem &group,
	           const ruvava::Coord2D &pos);
	// Makes the parameter editable in the edit panel, with its LFO's
	// controls for set_main_mgr_lfo (the LFO's parameters follow it).
	void set_main_mgr(NumParamMgrInterface &mgr, NumValListenerInterface &listener, int index);
	void set_main_mgr_lfo(NumParamMgrInterface &mgr, NumValListenerInterface &listener, int index);

	// The engine's time base, whose unit the periods are shown in.
	TimeUnit *get_time_unit() const;
	void change_time_unit(TimeUnit::UnitType unit);
	// Every display that depends on the unit or the tempo follows them.
	void change_time_unit();

	GuiEffect &use_effect() noexcept
	{
		return _effect;
	}
	GuiTempo &use_tempo() noexcept
	{
		return _tempo_panel;
	}
	GuiInfo &use_info() noexcept
	{
		return _info;
	}
	MidiAutoBindMgr &use_autobind_mgr() noexcept
	{
		return _info.use_setup_mgr().use_midi_ab_mgr();
	}
	ruvava::CtrlGroupItem &use_tempo_cgi() noexcept
	{
		return _cgi_tempo;
	}
	ruvava::CtrlGroupItem &use_edit_cgi() noexcept
	{
		return _cgi_edit;
	}
	ruvava::CtrlGroupItem &use_lfo_cgi() noexcept
	{
		return _cgi_lfo;
	}
	ruvava::CtrlGroupItem &use_info_cgi() noexcept
	{
		return _cgi_info;
	}
	ruvava::CtrlGroupItem &use_master_cgi() noexcept
	{
		return _cgi_master;
	}
	ruvava::CtrlGroupItem &use_preset_cgi() noexcept
	{
		return _cgi_presets;
	}
	ruvava::CtrlGroupItem &use_cell_1_3_cgi() noexcept
	{
		return _cgi_cell_1_3;
	}
	ruvava::CtrlGroupItem &use_cell_2_4_cgi() noexcept
	{
		return _cgi_cell_2_4;
	}

private:
	// The trees and the bindings, once.
	void build();
	// The pictures and fonts of the current scale, loaded once per scale,
	// and given to the backgrounds and controls.
	int load_pictures();
	void apply_top_layer_pictures();

	HostGuiInterface *_host_ptr = nullptr;
	DspInterface *_dsp_ptr = nullptr;
	ruvava::PumpedWindow *_win_ptr = nullptr;
	std::unique_ptr<ParamChangeBoard> _board;
	int _scale = 1;
	int _loaded_scale = 0;
	bool _built = false;
	MetaControlList _mcl;
	MasterMgr _master_mgr;

	ruvava::BackgroundSplit _bkg_root{1, ruvava::SPTreeSplit::Type_VERTICAL};
	ruvava::BackgroundSplit _bkg_top{1, ruvava::SPTreeSplit::Type_HORIZONTAL};
	ruvava::BackgroundItem _bkg_edit;
	ruvava::BackgroundItem _bkg_presets;
	ruvava::BackgroundItem _bkg_middle;
	ruvava::BackgroundItem _bkg_info;
	ruvava::CtrlGroupSplit _ctrl_root{1, ruvava::SPTreeSplit::Type_VERTICAL};
	ruvava::CtrlGroupSplit _ctrl_row_1{1, ruvava::SPTreeSplit::Type_HORIZONTAL};
	ruvava::CtrlGroupSplit _ctrl_row_2{1, ruvava::SPTreeSplit::Type_HORIZONTAL};
	ruvava::CtrlGroupItem _cgi_tempo;
	ruvava::CtrlGroupItem _cgi_edit;
	ruvava::CtrlGroupItem _cgi_lfo;
	ruvava::CtrlGroupItem _cgi_presets;
	ruvava::CtrlGroupItem _cgi_cell_1_3;
	ruvava::CtrlGroupItem _cgi_master;
	ruvava::CtrlGroupItem _cgi_cell_2_4;
	ruvava::CtrlGroupItem _cgi_info;

	GuiInfo _info;
	GuiEdit _edit;
	GuiPresets _presets;
	GuiLfo _lfo;
	GuiTempo _tempo_panel;
	GuiEffect _effect;
};

}  // namespace rivo
