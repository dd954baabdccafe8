#include "editor/ControlSetup.h"

#include "editor/GraphRscMixin.h"
#include "gui/Diode.h"
#include "gui/Fader.h"
#include "gui/FlipFlop.h"
#include "gui/Knob.h"
#include "gui/PushButton.h"
#include "gui/Spin.h"
#include "gui/Switch.h"
#include "gui/TextBox.h"

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

void ControlSetup::set_frames(ruvava::FramedControl &c, const GraphRscMixin &rsc, const char *prefix_0, int first,
                              int n)
{
	c.set_nbr_frames(n);
	for (int i = 0; i < n; ++i)
	{
		c.set_frame_pic(i, pic(rsc, prefix_0 + std::to_string(first + i)));
	}
}

void ControlSetup::setup_ff_23(ruvava::FlipFlop &f, const GraphRscMixin &rsc)
{
	set_frames(f, rsc, "ff_23_", 0, 3);
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
	set_frames(d, rsc, "ff_27_", 0, 6);
	d.set_time_refresh(0.05);
	d.set_attack_transition_time(0);
	d.set_release_transition_time(0.5);
	d.set_box(ruvava::Rect(-22, -20, 24, 22));
}

void ControlSetup::setup_kn_33(ruvava::Knob &k, const GraphRscMixin &rsc)
{
	// One picture turned whole: its pointer is drawn at 3 o'clock.
	k.set_nbr_button_frames(1);
	k.set_button_pic(0, pic(rsc, "kn_33"));
	k.set_rotating_button_flag(true);
	k.set_button_angle_base(0);
	k.set_button_angle_per(1);
	k.set_height(256);
	k.set_xy_rate(0.03125);
	k.set_angles(0.625, -0.75);
	k.set_radius(0);
	k.set_box(ruvava::Rect(-11, -11, 13, 12));
}

void ControlSetup::setup_sw_07(ruvava::Switch &s, const GraphRscMixin &rsc)
{
	s.set_graduation_pic(pic(rsc, "sw_07_p"));
	set_frames(s, rsc, "sw_07_", 1, 10);
	s.set_box(ruvava::Rect(-40, -14, 40, 14));
}

void ControlSetup::setup_ff_26(ruvava::FlipFlop &f, const GraphRscMixin &rsc)
{
	set_frames(f, rsc, "ff_26_", 0, 2);
	f.set_transition_time(0.1);
	f.set_box(ruvava::Rect(-15, -6, 16, 7));
}

void ControlSetup::setup_sp_06(ruvava::Spin &s, const GraphRscMixin &rsc)
{
	s.set_pic(ruvava::Spin::PicFlag_UP, pic(rsc, "sp_06_up_0"));
	s.set_pic(ruvava::Spin::PicFlag_UP_PRESSED, pic(rsc, "sp_06_up_1"));
	s.set_pic(ruvava::Spin::PicFlag_DOWN, pic(rsc, "sp_06_dwn_0"));
	s.set_pic(ruvava::Spin::PicFlag_DOWN_PRESSED, pic(rsc, "sp_06_dwn_1"));
	s.set_pic(ruvava::Spin::PicFlag_HANDLE, pic(rsc, "sp_06_hnd_0"));
	s.set_pic(ruvava::Spin::PicFlag_HANDLE_PRESSED, pic(rsc, "sp_06_hnd_1"));
	s.set_handle_on_top(false);
	s.set_quick_step(1.0 / 180);
	s.set_very_quick_step(1.0 / 36);
	s.set_box(ruvava::Rect(-6, -12, 7, 13));
}

void ControlSetup::setup_push_button(ruvava::PushButton &b, const GraphRscMixin &rsc, const char *prefix_0, int n,
                                     double transition, const ruvava::Rect &box)
{
	set_frames(b, rsc, prefix_0, 0, n);
	b.set_transition_time(transition);
	b.set_box(box);
}

void ControlSetup::setup_pb_68(ruvava::PushButton &b, const GraphRscMixin &rsc)
{
	setup_push_button(b, rsc, "pb_68_", 6, 0.2, ruvava::Rect(-18, -8, 19, 9));
}

void ControlSetup::setup_text_box(ruvava::TextBox &tb, const GraphRscMixin &rsc, int font, int w, int h,
                                  int justification, const char *legend_0)
{
	tb.set_font(rsc.get_font(font));
	tb.set_frame_size(ruvava::Coord2D(w, h));
	tb.set_box(ruvava::Rect(0, 0, w, h));
	tb.set_justification(justification);
	tb.set_font_color(LCD_COLOR);
	tb.set_legend((legend_0 != nullptr) ? legend_0 : "");
	tb.set_editable(legend_0 != nullptr);
}

}  // namespace rivo
