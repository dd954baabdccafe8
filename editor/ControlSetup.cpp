#include "editor/ControlSetup.h"

#include "editor/GraphRscMixin.h"
#include "gui/Diode.h"
#include "gui/Fader.h"
#include "gui/FlipFlop.h"
#include "gui/Knob.h"
#include "gui/Switch.h"

#include <string>

namespace rivo
{

namespace
{

const ruvava::Picture &pic(const GraphRscMixin &rsc, const std::string &name)
{
	return rsc.get_pic(name.c_str());
}

}  // namespace

void ControlSetup::knob_frames(ruvava::Knob &k, const GraphRscMixin &rsc, const char *prefix_0, int n, double base,
                               double per, double radius)
{
	const std::string p = prefix_0;
	k.set_nbr_button_frames(n);
	for (int i = 0; i < n; ++i)
	{
		k.set_button_pic(i, pic(rsc, p + "_" + std::to_string(i + 1)));
	}
	k.set_graduation_pic(pic(rsc, p + "_p"));
	k.set_spot_pic(pic(rsc, p + "_spn"));
	k.set_selection_pic(pic(rsc, p + "_s"));
	k.set_arrow_pic(pic(rsc, p + "_a"));
	k.set_rotating_button_flag(true);
	k.set_button_angle_base(base);
	k.set_button_angle_per(per);
	k.set_height(256);
	k.set_xy_rate(0.03125);
	k.set_angles(0.625, -0.75);
	k.set_radius(radius);
}

void ControlSetup::setup_kn_29(ruvava::Knob &k, const GraphRscMixin &rsc)
{
	knob_frames(k, rsc, "kn_29", 10, 0, -1.0 / 18, 30);
	k.set_side_click_speed(1);
	k.set_box(ruvava::Rect(-35, -34, 37, 42));
}

void ControlSetup::setup_kn_30(ruvava::Knob &k, const GraphRscMixin &rsc)
{
	k.set_nbr_button_frames(1);
	k.set_button_pic(0, pic(rsc, "kn_30_p"));
	k.set_spot_pic(pic(rsc, "kn_30_spn"));
	k.set_selection_pic(pic(rsc, "kn_30_s"));
	k.set_arrow_pic(pic(rsc, "kn_30_a"));
	k.set_rotating_spot_flag(true);
	k.set_height(1024);
	k.set_xy_rate(0.03125);
	k.set_angles(0.25, -4);
	k.set_radius(10);
	k.set_box(ruvava::Rect(-25, -21, 25, 29));
}

void ControlSetup::setup_kn_31(ruvava::Knob &k, const GraphRscMixin &rsc)
{
	knob_frames(k, rsc, "kn_31", 15, 0.625, -0.125, 15);
	k.set_box(ruvava::Rect(-24, -19, 24, 27));
}

void ControlSetup::setup_kn_32(ruvava::Knob &k, const GraphRscMixin &rsc)
{
	knob_frames(k, rsc, "kn_32", 25, 1, -0.25, 6);
	k.set_box(ruvava::Rect(-18, -17, 19, 25));
}

void ControlSetup::setup_kn_34(ruvava::Knob &k, const GraphRscMixin &rsc)
{
	knob_frames(k, rsc, "kn_34", 15, 0.625, -0.125, 16);
	k.set_box(ruvava::Rect(-24, -19, 24, 27));
}

void ControlSetup::setup_kn_34_fdbk(ruvava::Knob &k, const GraphRscMixin &rsc)
{
	setup_kn_34(k, rsc);
	k.set_angles(0.75, -1);
}

void ControlSetup::vertical_fader(ruvava::Fader &f, const GraphRscMixin &rsc, const char *name_0, int32_t amplitude,
                                  const ruvava::Rect &box)
{
	const std::string n = name_0;
	f.set_graduation_pic(pic(rsc, n + "_p"));
	f.set_button_pic(pic(rsc, n));
	f.set_selection_pic(pic(rsc, n + "_s"));
	f.set_direction(ruvava::Fader::Direction_VERTICAL);
	f.set_amplitude(amplitude);
	f.set_xy_rate(0.03125);
	f.set_side_click_speed(1);
	f.set_box(box);
}

void ControlSetup::setup_fd_15(ruvava::Fader &f, const GraphRscMixin &rsc)
{
	vertical_fader(f, rsc, "fd_15", 68, ruvava::Rect(-26, -25, 30, 89));
}

void ControlSetup::setup_fd_17(ruvava::Fader &f, const GraphRscMixin &rsc)
{
	vertical_fader(f, rsc, "fd_17", 61, ruvava::Rect(-26, -16, 30, 89));
}

void ControlSetup::setup_ff_23(ruvava::FlipFlop &f, const GraphRscMixin &rsc)
{
	f.set_nbr_frames(3);
	for (int i = 0; i < 3; ++i)
	{
		f.set_frame_pic(i, pic(rsc, "ff_23_" + std::to_string(i)));
	}
	f.set_transition_time(0.1);
	f.set_box(ruvava::Rect(-5, -6, 6, 9));
}

void ControlSetup::setup_sw_08_09(ruvava::Switch &s, const GraphRscMixin &rsc, bool left)
{
	const std::string p = left ? "sw_08" : "sw_09";
	s.set_graduation_pic(pic(rsc, p + "_p"));
	s.set_nbr_buttons(3);
	// Picture k of the strip from _1 shows state 2 - k.
	for (int k = 0; k < 3; ++k)
	{
		s.set_button_pic(2 - k, pic(rsc, p + "_" + std::to_string(k + 1)));
	}
	s.set_box(left ? ruvava::Rect(-23, -31, 24, 45) : ruvava::Rect(-22, -31, 26, 46));
}

void ControlSetup::setup_clip_led(ruvava::Diode &d, const GraphRscMixin &rsc)
{
	d.set_nbr_frames(6);
	for (int i = 0; i < 6; ++i)
	{
		d.set_frame_pic(i, pic(rsc, "ff_27_" + std::to_string(i)));
	}
	d.set_time_refresh(0.05);
	d.set_attack_transition_time(0);
	d.set_release_transition_time(0.5);
	d.set_box(ruvava::Rect(-22, -20, 24, 22));
}

}  // namespace rivo
