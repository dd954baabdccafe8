// The plug-in's editor: its window's trees, the pictures and fonts of its
// scale, and the parameter changes it shows. So far the panels' backgrounds;
// the controls and panels follow.
#pragma once

#include "gui/BackgroundItem.h"
#include "gui/BackgroundSplit.h"
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

class TarvelleGui : public GuiInterface
{
public:
	static constexpr int WIDTH = 601;
	static constexpr int HEIGHT = 563;

	TarvelleGui();
	~TarvelleGui() override;

	int init() override;
	void set_default_state() override {}
	void restore() override {}
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

private:
	// The pictures of the current scale, loaded once per scale.
	int load_pictures();
	ruvava::Picture picture(const char *name_0);

	HostGuiInterface *_host_ptr = nullptr;
	DspInterface *_dsp_ptr = nullptr;
	ruvava::PumpedWindow *_win_ptr = nullptr;
	std::unique_ptr<ParamChangeBoard> _board;
	int _scale = 1;
	int _loaded_scale = 0;
	float _tempo = 0;
	std::deque<std::unique_ptr<ruvava::PicDataInterface>> _pic_datas;
	std::unique_ptr<ruvava::FontInterface> _font;

	ruvava::BackgroundSplit _bkg_root{1, ruvava::SPTreeSplit::Type_VERTICAL};
	ruvava::BackgroundSplit _bkg_top{1, ruvava::SPTreeSplit::Type_HORIZONTAL};
	ruvava::BackgroundItem _bkg_edit;
	ruvava::BackgroundItem _bkg_presets;
	ruvava::BackgroundItem _bkg_middle;
	ruvava::BackgroundItem _bkg_info;
	ruvava::CtrlGroupSplit _ctrl_root{1, ruvava::SPTreeSplit::Type_VERTICAL};
};

}  // namespace rivo
