// The control configurations of the editor: geometry, motion settings and
// the pictures of the current scale, by name.
#pragma once

#include "gui/Rect.h"

namespace ruvava
{
class Diode;
class Fader;
class FlipFlop;
class FontInterface;
class FramedControl;
class Knob;
class PushButton;
class Spin;
class Switch;
class TextBox;
}  // namespace ruvava

namespace rivo
{

class GraphRscMixin;

class ControlSetup
{
public:
	static void setup_kn_29(ruvava::Knob &k, const GraphRscMixin &rsc);
	static void setup_kn_30(ruvava::Knob &k, const GraphRscMixin &rsc);
	static void setup_kn_31(ruvava::Knob &k, const GraphRscMixin &rsc);
	static void setup_kn_32(ruvava::Knob &k, const GraphRscMixin &rsc);
	static void setup_kn_34(ruvava::Knob &k, const GraphRscMixin &rsc);
	static void setup_kn_34_fdbk(ruvava::Knob &k, const GraphRscMixin &rsc);
	static void setup_fd_15(ruvava::Fader &f, const GraphRscMixin &rsc);
	static void setup_fd_17(ruvava::Fader &f, const GraphRscMixin &rsc);
	static void setup_ff_23(ruvava::FlipFlop &f, const GraphRscMixin &rsc);
	// left: the left cells' depth switch (sw_08), else the mirrored sw_09.
	static void setup_sw_08_09(ruvava::Switch &s, const GraphRscMixin &rsc, bool left);
	static void setup_clip_led(ruvava::Diode &d, const GraphRscMixin &rsc);
	static void setup_kn_33(ruvava::Knob &k, const GraphRscMixin &rsc);
	static void setup_sw_07(ruvava::Switch &s, const GraphRscMixin &rsc);
	static void setup_ff_26(ruvava::FlipFlop &f, const GraphRscMixin &rsc);
	static void setup_sp_06(ruvava::Spin &s, const GraphRscMixin &rsc);
	static void setup_pb_68(ruvava::PushButton &b, const GraphRscMixin &rsc);
	// A push button of n frames prefix0 ... prefix(n-1).
	static void setup_push_button(ruvava::PushButton &b, const GraphRscMixin &rsc, const char *prefix_0, int n,
	                              double transition, const ruvava::Rect &box);
	// A display of the editor's LCD style: font, frame size (its origin is
	// the frame's top-left corner), justification; editable ones open the
	// text line editor with the legend.
	static void setup_text_box(ruvava::TextBox &tb, const GraphRscMixin &rsc, int font, int w, int h,
	                           int justification, const char *legend_0);
	// Frames name_first ... name_(first + n - 1), from index 0.
	static void set_frames(ruvava::FramedControl &c, const GraphRscMixin &rsc, const char *prefix_0, int first, int n);

	static constexpr long LCD_COLOR = 0x40B8A7;

private:
	// A knob of n rotating frames named prefix_1 ... prefix_n with its
	// graduation, spot, selection and arrow.
	static void knob_frames(ruvava::Knob &k, const GraphRscMixin &rsc, const char *prefix_0, int n, double base,
	                        double per, double radius);
	// A vertical fader: handle name_0, graduation name_0_p, selection name_0_s.
	static void vertical_fader(ruvava::Fader &f, const GraphRscMixin &rsc, const char *name_0, int32_t amplitude,
	                           const ruvava::Rect &box);
};

}  // namespace rivo
