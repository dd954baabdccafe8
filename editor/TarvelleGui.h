// The plug-in's editor: its window's trees, the pictures and fonts of its
// scale, and the controls bound to their parameters. So far the master and
// tone strip, the voice cells and the preset memories; the edit, LFO,
// tempo and information panels follow.
#pragma once

#include "gui/BackgroundItem.h"
#include "gui/BackgroundSplit.h"
#include "editor/GraphRscMixin.h"
#include "editor/GuiEffect.h"
#include "editor/GuiPresets.h"
#include "editor/ListenerBase.h"
#include "editor/MetaControlList.h"
#include "gui/CtrlGroupItem.h"
#include "gui/CtrlGroupSplit.h"
#include "params/GuiInterface.h"
#include "params/ParamChangeBoard.h"

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

class TarvelleGui : public GuiInterface, public GraphRscMixin
{
public:
	static constexpr int WIDTH = 601;
	static constexpr int HEIGHT = 563;

	TarvelleGui();
	~TarvelleGui() override;

	int init() override;
	// The first call builds the trees and binds the controls.
	void set_default_state() override
	{
		build();
	}
	void restore() override
	{
		_presets.restore();
	}
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
	void set_tempo(float bpm) override
	{
		_tempo = bpm;
	}
	void set_control_top_layer_pic(int, int) override {}
	void idle() override;
	void set_scale(int scale) override;
	int get_scale() const override
	{
		return _scale;
	}

	float get_shown_tempo() const noexcept
	{
		return _tempo;
	}
	MetaControlList &use_mcl() noexcept
	{
		return _mcl;
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

	HostGuiInterface *_host_ptr = nullptr;
	DspInterface *_dsp_ptr = nullptr;
	ruvava::PumpedWindow *_win_ptr = nullptr;
	std::unique_ptr<ParamChangeBoard> _board;
	int _scale = 1;
	int _loaded_scale = 0;
	float _tempo = 0;
	bool _built = false;
	MetaControlList _mcl;

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

	GuiEffect _effect;
	GuiPresets _presets;
};

}  // namespace rivo
