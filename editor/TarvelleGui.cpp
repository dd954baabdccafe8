#include "editor/TarvelleGui.h"

#include "gui/PumpedWindow.h"
#include "params/DspInterface.h"
#include "params/HostGuiInterface.h"
#include "params/NormalizedParamInterface.h"

#include <string>

namespace rivo
{

TarvelleGui::TarvelleGui()
{
	// The backgrounds: the tempo, edit and LFO strip beside the preset panel,
	// the voices with the master and tone strip, the information bar.
	_bkg_root.set_area(ruvava::Rect(0, 0, WIDTH, HEIGHT));
	_bkg_top.push_back(_bkg_edit, 405);
	_bkg_top.push_back(_bkg_presets, 196);
	_bkg_root.push_back(_bkg_top, 95);
	_bkg_root.push_back(_bkg_middle, 445);
	_bkg_root.push_back(_bkg_info, 23);
	_bkg_root.refresh_child_coord();
	_ctrl_root.set_area(ruvava::Rect(0, 0, WIDTH, HEIGHT));
}

void TarvelleGui::build()
{
	if (_built)
	{
		return;
	}
	_built = true;
	// Row 1: tempo, edit, LFO, presets; row 2: cells 1/3, master and tone,
	// cells 2/4; then the information bar.
	_ctrl_row_1.push_back(_cgi_tempo, 81);
	_ctrl_row_1.push_back(_cgi_edit, 110);
	_ctrl_row_1.push_back(_cgi_lfo, 214);
	_ctrl_row_1.push_back(_cgi_presets, 196);
	_ctrl_row_2.push_back(_cgi_cell_1_3, 270);
	_ctrl_row_2.push_back(_cgi_master, 61);
	_ctrl_row_2.push_back(_cgi_cell_2_4, 270);
	_ctrl_root.push_back(_ctrl_row_1, 95);
	_ctrl_root.push_back(_ctrl_row_2, 445);
	_ctrl_root.push_back(_cgi_info, 23);
	_ctrl_root.refresh_child_coord();

	const int nbr_param = (_dsp_ptr != nullptr) ? _dsp_ptr->get_nbr_param() : 0;
	_mcl.resize(size_t(nbr_param));
	_effect.init(*this);
	_presets.init(*this);
	_effect.build();
	_presets.build();
}

TarvelleGui::~TarvelleGui()
{
	if (_win_ptr != nullptr)
	{
		_win_ptr->set_background_root(nullptr);
		_win_ptr->set_ctrl_group_root(nullptr);
	}
}

int TarvelleGui::init()
{
	_board.reset(new ParamChangeBoard((_dsp_ptr != nullptr) ? _dsp_ptr->get_nbr_param() : 0));
	return 0;
}

void TarvelleGui::set_msg_mgr_ptr(void *msg_mgr_ptr)
{
	_win_ptr = static_cast<ruvava::PumpedWindow *>(msg_mgr_ptr);
	if (_win_ptr != nullptr)
	{
		_win_ptr->set_size(ruvava::Coord2D(WIDTH, HEIGHT));
		_win_ptr->set_max_size(ruvava::Coord2D(WIDTH, HEIGHT));
		_win_ptr->set_background_root(&_bkg_root);
		_win_ptr->set_ctrl_group_root(&_ctrl_root);
	}
}

void *TarvelleGui::get_msg_mgr_ptr() const
{
	return _win_ptr;
}

void TarvelleGui::set_scale(int scale)
{
	// Honoured at the next open; an open window keeps its scale.
	_scale = (scale == 2) ? 2 : 1;
}

int TarvelleGui::load_pictures()
{
	if (_loaded_scale == _scale)
	{
		return 0;
	}
	if (graph_rsc_load_pic(PIC_TABLE, PIC_TABLE_SIZE, _scale) != 0 || graph_rsc_load_font(FONT_TABLE, 2, _scale) != 0)
	{
		return -1;
	}
	_bkg_edit.set_picture(get_pic("bkg_27_e"));
	_bkg_presets.set_picture(get_pic("bkg_27_p"));
	_bkg_middle.set_picture(get_pic("bkg_27_m"));
	_bkg_info.set_picture(get_pic("bkg_27_s"));
	_loaded_scale = _scale;
	if (_built)
	{
		_effect.apply_pictures();
		_presets.apply_pictures();
	}
	return 0;
}

int TarvelleGui::open(void *parent_ptr)
{
	if (_win_ptr == nullptr || load_pictures() != 0)
	{
		return -1;
	}
	build();
	if (_host_ptr != nullptr && _host_ptr->get_property("can_resize_window") != 0)
	{
		_win_ptr->set_resize_flag(true);
	}
	// Every control takes its parameter's current value.
	for (MetaControl &m : _mcl)
	{
		m.update_param();
	}
	_win_ptr->set_scale(_scale);
	_win_ptr->set_sys_font(get_font(0));
	return _win_ptr->open(parent_ptr);
}

void TarvelleGui::close()
{
	if (_win_ptr != nullptr)
	{
		_win_ptr->close();
	}
}

void TarvelleGui::set_param(int index, float nval, int prio)
{
	if (_board != nullptr)
	{
		_board->post(index, nval, prio);
	}
}

void TarvelleGui::idle()
{
	if (_board != nullptr)
	{
		// Changes from the host, MIDI or programs move the controls here, on
		// the editor's thread.
		_board->collect([this](int index, float nval, int prio) {
			if (index >= 0 && size_t(index) < _mcl.size())
			{
				_mcl[size_t(index)].set_param(nval, prio);
			}
		});
	}
	if (_win_ptr != nullptr)
	{
		_win_ptr->pump();
	}
}

}  // namespace rivo
