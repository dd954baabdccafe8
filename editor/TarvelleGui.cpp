#include "editor/TarvelleGui.h"

#include "gui/FontFactory.h"
#include "gui/PicDataFactory.h"
#include "gui/PumpedWindow.h"
#include "params/DspInterface.h"

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

ruvava::Picture TarvelleGui::picture(const char *name_0)
{
	const std::string name = std::string(name_0) + ((_scale == 2) ? "@2x" : "");
	_pic_datas.emplace_back(ruvava::PicDataFactory::get_instance().create(name.c_str()));
	ruvava::Picture pic(_pic_datas.back().get());
	pic.set_scale(_scale);
	return pic;
}

int TarvelleGui::load_pictures()
{
	if (_loaded_scale == _scale)
	{
		return 0;
	}
	_pic_datas.clear();
	_bkg_edit.set_picture(picture("bkg_27_e"));
	_bkg_presets.set_picture(picture("bkg_27_p"));
	_bkg_middle.set_picture(picture("bkg_27_m"));
	_bkg_info.set_picture(picture("bkg_27_s"));
	_font.reset(ruvava::FontFactory::get_instance().create((_scale == 2) ? "font_03@2x" : "font_03"));
	for (const auto &d : _pic_datas)
	{
		if (d == nullptr)
		{
			return -1;
		}
	}
	_loaded_scale = _scale;
	return (_font != nullptr) ? 0 : -1;
}

int TarvelleGui::open(void *parent_ptr)
{
	if (_win_ptr == nullptr || load_pictures() != 0)
	{
		return -1;
	}
	_win_ptr->set_scale(_scale);
	_win_ptr->set_sys_font(_font.get());
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
		// The controls bound to these parameters move here (panels to come).
		_board->collect([](int, float, int) {});
	}
	if (_win_ptr != nullptr)
	{
		_win_ptr->pump();
	}
}

}  // namespace rivo
