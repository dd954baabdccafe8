#include "editor/GuiLfo.h"

#include "editor/ControlSetup.h"
#include "editor/LfoAmpCtrlListener.h"
#include "editor/LfoAmpTbListener.h"
#include "editor/LfoPerCtrlListener.h"
#include "editor/LfoPerTbListener.h"
#include "editor/LfoTypeCtrlListener.h"
#include "editor/TarvelleGui.h"
#include "gui/Knob.h"
#include "gui/Switch.h"
#include "gui/TextBox.h"

namespace rivo
{

namespace
{

// Origins inside the LFO group, which starts at (191, 0).
constexpr int PER_CTRL_X = 33;
constexpr int PER_CTRL_Y = 39;
constexpr int AMP_CTRL_X = 181;
constexpr int AMP_CTRL_Y = 39;
constexpr int TYPE_CTRL_X = 101;
constexpr int TYPE_CTRL_Y = 30;
constexpr int TB_Y = 60;
constexpr int TB_H = 13;

}  // namespace

void GuiLfo::style(const Lfo &lfo) const
{
	const GraphRscMixin &rsc = *_gui_ptr;
	using J = ruvava::TextFrame;
	ControlSetup::setup_kn_33(*lfo._per, rsc);
	ControlSetup::setup_kn_33(*lfo._amp, rsc);
	ControlSetup::setup_sw_07(*lfo._type, rsc);
	ControlSetup::setup_text_box(*lfo._per_tb, rsc, TarvelleGui::DEFAULT_FONT, 52, TB_H, J::Justification_CENTER,
	                             "LFO Period :");
	ControlSetup::setup_text_box(*lfo._type_tb, rsc, TarvelleGui::DEFAULT_FONT, 76, TB_H, J::Justification_CENTER,
	                             nullptr);
	ControlSetup::setup_text_box(*lfo._amp_tb, rsc, TarvelleGui::DEFAULT_FONT, 52, TB_H, J::Justification_CENTER,
	                             "LFO Depth :");
}

void GuiLfo::apply_pictures()
{
	for (const Lfo &lfo : _lfos)
	{
		style(lfo);
	}
}

void GuiLfo::setup_lfo(NumParamMgrInterface &mgr, int per_index, int type_index, int amp_index)
{
	Lfo lfo;
	lfo._per = std::make_shared<ruvava::Knob>();
	lfo._amp = std::make_shared<ruvava::Knob>();
	lfo._type = std::make_shared<ruvava::Switch>();
	lfo._per_tb = std::make_shared<ruvava::TextBox>();
	lfo._amp_tb = std::make_shared<ruvava::TextBox>();
	lfo._type_tb = std::make_shared<ruvava::TextBox>();
	style(lfo);
	using C = ruvava::Coord2D;
	lfo._per->set_rel_coord(C(PER_CTRL_X, PER_CTRL_Y));
	lfo._amp->set_rel_coord(C(AMP_CTRL_X, AMP_CTRL_Y));
	lfo._type->set_rel_coord(C(TYPE_CTRL_X, TYPE_CTRL_Y));
	lfo._per_tb->set_rel_coord(C(7, TB_Y));
	lfo._type_tb->set_rel_coord(C(63, TB_Y));
	lfo._amp_tb->set_rel_coord(C(155, TB_Y));

	// The knobs and the switch are the LFO parameters' controls; the text
	// boxes read typed values into them.
	const auto bind = [this, &mgr](ruvava::ControlInterface &ctrl, const std::shared_ptr<NumParamListener> &listener,
	                               int index, bool main) {
		listener->set_num_param_mgr(mgr);
		_gui_ptr->bind_param(ctrl, *listener, index, main);
		mgr.add_lfo_listener_sptr(listener);
	};
	bind(*lfo._per, std::make_shared<LfoPerCtrlListener>(), per_index, true);
	bind(*lfo._amp, std::make_shared<LfoAmpCtrlListener>(), amp_index, true);
	bind(*lfo._type, std::make_shared<LfoTypeCtrlListener>(), type_index, true);
	bind(*lfo._per_tb, std::make_shared<LfoPerTbListener>(), per_index, false);
	bind(*lfo._amp_tb, std::make_shared<LfoAmpTbListener>(), amp_index, false);
	for (ruvava::ControlInterface *c : {static_cast<ruvava::ControlInterface *>(lfo._per.get()),
	                                    static_cast<ruvava::ControlInterface *>(lfo._amp.get()),
	                                    static_cast<ruvava::ControlInterface *>(lfo._type.get())})
	{
		c->set_activable(false);
	}

	ruvava::CtrlGroupItem *group_ptr = &_gui_ptr->use_lfo_cgi();
	mgr.set_lfo_per_ctrl_index(per_index);
	mgr.set_lfo_amp_ctrl_index(amp_index);
	mgr.set_lfo_type_ctrl_index(type_index);
	mgr.set_per_ctrl_cgi_ptr(group_ptr);
	mgr.set_amp_ctrl_cgi_ptr(group_ptr);
	mgr.set_type_ctrl_cgi_ptr(group_ptr);
	mgr.set_lfo_per_tb_cgi_ptr(group_ptr);
	mgr.set_lfo_amp_tb_cgi_ptr(group_ptr);
	mgr.set_lfo_type_tb_cgi_ptr(group_ptr);
	mgr.set_lfo_per_ctrl_sptr(lfo._per);
	mgr.set_lfo_amp_ctrl_sptr(lfo._amp);
	mgr.set_lfo_type_ctrl_sptr(lfo._type);
	mgr.set_lfo_per_tb_sptr(lfo._per_tb);
	mgr.set_lfo_amp_tb_sptr(lfo._amp_tb);
	mgr.set_lfo_type_tb_sptr(lfo._type_tb);
	_lfos.push_back(lfo);
}

}  // namespace rivo
