#include "editor/TarvelleGui.h"

#include "editor/NumValListenerInterface.h"
#include "editor/NumValTbListener.h"
#include "engine/ParamIndex.h"
#include "engine/TarvelleDsp.h"
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
	_master_mgr = MasterMgr();
	_master_mgr.set_mcl_ptr(&_mcl);
	_master_mgr.set_host_gui_ptr(_host_ptr);
	_master_mgr.set_dsp(_dsp_ptr);

	_edit.init(*this);
	_lfo.init(*this);
	_presets.init(*this);
	_effect.init(*this);
	_tempo_panel.init(*this);
	_info.init(*this);
	_edit.build();
	_lfo.build();
	_presets.build();
	_effect.build();
	_tempo_panel.build();
	_info.build();
	_info.post_build();

	// Markers over the controls (the MIDI auto-bind shows its targets).
	for (MetaControl &m : _mcl)
	{
		if (ruvava::ControlInterface *ctrl_ptr = m.use_control())
		{
			ctrl_ptr->set_top_layer_nbr_pic(3);
		}
	}
	apply_top_layer_pictures();
	change_time_unit();
}

void TarvelleGui::apply_top_layer_pictures()
{
	for (MetaControl &m : _mcl)
	{
		if (ruvava::ControlInterface *ctrl_ptr = m.use_control())
		{
			ctrl_ptr->set_top_layer_pic(1, get_pic("tl_01_1"));
			ctrl_ptr->set_top_layer_pic(2, get_pic("tl_01_0"));
		}
	}
}

void TarvelleGui::restore()
{
	_tempo_panel.restore();
	_info.restore();
	_edit.restore();
	_presets.restore();
	_effect.restore();
}

void TarvelleGui::bind_param(ruvava::ControlInterface &ctrl, ListenerBase &listener, int index, bool main)
{
	if (_dsp_ptr == nullptr || index < 0 || index >= _dsp_ptr->get_nbr_param() || size_t(index) >= _mcl.size())
	{
		return;
	}
	listener.associate_param(index, *_dsp_ptr->get_param_ref(index));
	listener.set_meta_list(_mcl);
	if (_host_ptr != nullptr)
	{
		listener.set_host(*_host_ptr);
	}
	if (main)
	{
		_mcl[size_t(index)].connect(ctrl, listener);
	}
	else
	{
		ctrl.push_back_listener_unique(listener);
	}
}

void TarvelleGui::place(ruvava::ControlInterface &ctrl, ListenerBase &listener, int index,
                        ruvava::CtrlGroupItem &group, const ruvava::Coord2D &pos)
{
	ctrl.set_rel_coord(pos);
	bind_param(ctrl, listener, index, true);
	group.push_back(ctrl);
}

void TarvelleGui::set_main_mgr(NumParamMgrInterface &mgr, NumValListenerInterface &listener, int index)
{
	mgr.set_master_mgr(_master_mgr);
	mgr.set_param_ctrl_index(index);
	mgr.set_num_name_tb_cgi_ptr(&_cgi_edit);
	mgr.set_num_unit_tb_cgi_ptr(&_cgi_edit);
	mgr.set_num_val_tb_cgi_ptr(&_cgi_edit);
	mgr.set_num_name_tb_sptr(_edit.setup_param_name_tb());
	mgr.set_num_unit_tb_sptr(_edit.setup_param_unit_tb());
	const std::shared_ptr<ruvava::TextBox> val_tb = _edit.setup_param_val_tb();
	mgr.set_num_val_tb_sptr(val_tb);
	auto tb_listener = std::make_shared<NumValTbListener>();
	tb_listener->set_num_param_mgr(mgr);
	bind_param(*val_tb, *tb_listener, index, false);
	mgr.set_num_val_tb_listener_sptr(tb_listener);
	listener.set_num_param_mgr(mgr);
	mgr.set_num_val_listener(listener);
}

void TarvelleGui::set_main_mgr_lfo(NumParamMgrInterface &mgr, NumValListenerInterface &listener, int index)
{
	set_main_mgr(mgr, listener, index);
	_lfo.setup_lfo(mgr, index + ParamIndex::LFO_PER, index + ParamIndex::LFO_WF, index + ParamIndex::LFO_DEPTH);
}

TimeUnit *TarvelleGui::get_time_unit() const
{
	auto *internal_ptr = dynamic_cast<PluginInternal *>(_dsp_ptr);
	return (internal_ptr != nullptr) ? &internal_ptr->get_time_unit() : nullptr;
}

void TarvelleGui::change_time_unit(TimeUnit::UnitType unit)
{
	if (TimeUnit *unit_ptr = get_time_unit())
	{
		unit_ptr->set_unit(unit);
	}
	change_time_unit();
}

void TarvelleGui::change_time_unit()
{
	const TimeUnit *unit_ptr = get_time_unit();
	if (!_built || unit_ptr == nullptr)
	{
		return;
	}
	_effect.use_cells().change_time_unit(*unit_ptr);
	_tempo_panel.use_unit_listener().update_value();
	if (NumParamMgrInterface *mgr_ptr = _master_mgr.use_current_mgr_ptr())
	{
		mgr_ptr->refresh_texts();
	}
}

void TarvelleGui::set_tempo(float)
{
	// The tempo parameter already holds the host's tempo.
	if (!_mcl.empty())
	{
		_mcl[ParamIndex::TEMPO].update_param();
	}
}

void TarvelleGui::set_control_top_layer_pic(int index, int pic)
{
	if (index < 0 || size_t(index) >= _mcl.size() || pic < 0 || pic > 2)
	{
		return;
	}
	if (ruvava::ControlInterface *ctrl_ptr = _mcl[size_t(index)].use_control())
	{
		ctrl_ptr->set_cur_top_layer_pic(pic);
		ctrl_ptr->invalidate_all();
	}
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
		_edit.apply_pictures();
		_lfo.apply_pictures();
		_presets.apply_pictures();
		_effect.apply_pictures();
		_tempo_panel.apply_pictures();
		_info.apply_pictures();
		apply_top_layer_pictures();
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
	_tempo_panel.check_tempo_ctrl();
	_win_ptr->set_scale(_scale);
	_win_ptr->set_sys_font(get_font(0));
	const int ret = _win_ptr->open(parent_ptr);
	// The engine looks for clipping only while the LED can show it.
	if (auto *engine_ptr = dynamic_cast<TarvelleDsp *>(_dsp_ptr); engine_ptr != nullptr && ret == 0)
	{
		engine_ptr->use_clip_detector().activate_detection(true);
	}
	return ret;
}

void TarvelleGui::close()
{
	if (auto *engine_ptr = dynamic_cast<TarvelleDsp *>(_dsp_ptr))
	{
		engine_ptr->use_clip_detector().activate_detection(false);
	}
	if (_win_ptr != nullptr)
	{
		_win_ptr->close();
	}
	// A gesture cut short by the closing ends for the host too.
	if (_host_ptr != nullptr)
	{
		_host_ptr->idle(true);
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
	if (_host_ptr != nullptr)
	{
		_host_ptr->idle(false);
	}
	use_autobind_mgr().idle();
}

}  // namespace rivo
