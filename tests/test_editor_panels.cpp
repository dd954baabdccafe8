// The assembled editor in an off-screen window, around the real engine and
// adapter, with the pictures and fonts of the built plug-in file: its panels
// pixel for pixel against reference pictures at both scales, every parameter's
// control in both directions through a host that records what it is told,
// the edit and LFO panels, typed values, the tempo panel and the period notches.
#include "editor/MetaControlList.h"
#include "editor/NumParamMgrInterface.h"
#include "editor/TarvelleGui.h"
#include "editor/TimeNotchListener.h"
#include "engine/ParamIndex.h"
#include "gui/CtrlGroupItem.h"
#include "gui/DialogHost.h"
#include "gui/DialogView.h"
#include "gui/MenuDelimiter.h"
#include "gui/MenuItem.h"
#include "gui/MenuList.h"
#include "gui/MenuPopup.h"
#include "gui/MessageBoxView.h"
#include "gui/PersistentMouseSettings.h"
#include "gui/MouseState.h"
#include "gui/PotInterface.h"
#include "gui/Spin.h"
#include "gui/TextBox.h"
#include "gui/TextLineEditorPopup.h"
#include "gui/WindowOffscreen.h"
#include "host/HostGuiVst2Linux.h"
#include "midi/MidiDevSelDispatcher.h"
#include "midi/MidiMgr.h"
#include "support/TempFolder.h"
#include "support/InProcessPlugin.h"
#include "support/ToolkitBench.h"
#include "sys/res_fnc.h"
#include "sys/sys_fnc.h"

#include <cairo/cairo.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

using namespace ruvava;
using namespace testsupport;
using Idx = ParamIndex;
using S = rivo::NumParamMgrInterface;

namespace
{

struct Call
{
	VstInt32 op;
	VstInt32 index;
	float value;
};
std::vector<Call> calls;

// A host without tempo that records automation and gestures.
VstIntPtr recording_host(AEffect *, VstInt32 op, VstInt32 index, VstIntPtr, void *, float opt)
{
	if (op == audioMasterAutomate || op == audioMasterBeginEdit || op == audioMasterEndEdit)
	{
		calls.push_back({op, index, opt});
	}
	return (op == audioMasterVersion) ? 2400 : 0;
}

class Editor
{
public:
	// midi: the plug-in has a MIDI path.
	explicit Editor(int scale, bool midi = false)
	: scale(scale), win(Coord2D(rivo::TarvelleGui::WIDTH, rivo::TarvelleGui::HEIGHT), scale)
	{
		calls.clear();
		gui = new rivo::TarvelleGui;
		gui->set_msg_mgr_ptr(static_cast<PumpedWindow *>(&win));
		gui->set_scale(scale);
		auto dsp = std::make_unique<TarvelleDsp>();
		rivo::MidiReceiverInterface *midi_ptr = midi ? &dsp->use_midi_client() : nullptr;
		plugin = make_plugin(&recording_host, std::move(dsp), make_engine_bank(2), gui,
		                     &rivo::HostGuiVst2Linux::attach, midi_ptr);
		fx = plugin->getAeffect();
		EXPECT_EQ(gui->open(nullptr), 0);
		run(0.2);
	}
	~Editor()
	{
		gui->close();
	}
	// Idle calls of a host at 25 Hz.
	void run(double seconds)
	{
		for (double t = 0; t < seconds - 1e-9; t += 0.04)
		{
			clock.advance(0.04);
			gui->idle();
		}
	}
	ControlInterface *ctrl(int index) const
	{
		return gui->use_mcl()[size_t(index)].use_control();
	}
	float param(int index) const
	{
		return fx->getParameter(fx, index);
	}
	// At a point of the window (its units).
	void click(const Coord2D &p)
	{
		const Coord2D dev(p._x * scale, p._y * scale);
		win.mouse_down(dev, MouseState_PRIMARY, 0, clock.now());
		win.mouse_up(dev, 0);
		run(0.2);
	}
	void drag_up(const Coord2D &p, int dy)
	{
		win.mouse_down(Coord2D(p._x * scale, p._y * scale), MouseState_PRIMARY, 0, clock.now());
		for (int k = 0; k < 4; ++k)
		{
			win.mouse_moved(win.get_org_mouse_pos() + Coord2D(0, -dy / 4), MouseState_PRIMARY);
			run(0.04);
		}
		win.mouse_up(Coord2D(p._x * scale, p._y * scale), 0);
		run(0.5);
	}
	// Selects the parameter in the edit panel: a click on its main control.
	void select(int index)
	{
		click(ctrl(index)->get_coord());
	}
	// Every voice heard, so that no cell hides its controls.
	void all_voices_heard()
	{
		for (int v = 0; v < 4; ++v)
		{
			fx->setParameter(fx, Idx::voice(v, Idx::GAIN), 0.5f);
		}
		run(0.2);
	}
	// A text box of the selected parameter.
	const TextBox &box(rivo::NumParamMgrInterface::Slot slot) const
	{
		return *gui->use_master_mgr().use_current_mgr_ptr()->use_tb(slot);
	}
	// The text boxes shown in a group, in the order they were put there.
	static std::vector<const TextBox *> text_boxes(CtrlGroupItem &group)
	{
		std::vector<const TextBox *> list;
		for (int i = 0; i < group.get_nbr_controls(); ++i)
		{
			if (auto *tb = dynamic_cast<const TextBox *>(group.use_control(i)))
			{
				list.push_back(tb);
			}
		}
		return list;
	}

	int scale;
	FakeClock clock;
	WindowOffscreen win;
	rivo::TarvelleGui *gui = nullptr;  // owned by the plug-in
	std::unique_ptr<rivo::Vst2LinuxPlugin> plugin;
	AEffect *fx = nullptr;
};

class EditorPanels : public testing::Test
{
protected:
	static void SetUpTestSuite()
	{
		sys::clear_res_file();
		ASSERT_EQ(sys::set_res_file(TARVELLE_SO), 0);
	}
};

// What the host was told about one parameter, in order.
std::vector<Call> told(int index)
{
	std::vector<Call> list;
	for (const Call &c : calls)
	{
		if (c.index == index)
		{
			list.push_back(c);
		}
	}
	return list;
}


// Pictures as PNG files, 0x00RRGGBB per pixel.
struct Image
{
	int w = 0;
	int h = 0;
	std::vector<uint32_t> px;
};

Image capture(const RenderingBufferMem &screen)
{
	Image img{screen.get_size()._x, screen.get_size()._y, {}};
	for (int y = 0; y < img.h; ++y)
	{
		for (int x = 0; x < img.w; ++x)
		{
			img.px.push_back(uint32_t(screen.at(x, y).to_long()) & 0xFFFFFFu);
		}
	}
	return img;
}

void save_png(const Image &img, const std::string &path)
{
	cairo_surface_t *sf = cairo_image_surface_create(CAIRO_FORMAT_RGB24, img.w, img.h);
	unsigned char *data = cairo_image_surface_get_data(sf);
	const int stride = cairo_image_surface_get_stride(sf);
	for (int y = 0; y < img.h; ++y)
	{
		std::copy_n(&img.px[size_t(y) * size_t(img.w)], img.w, reinterpret_cast<uint32_t *>(data + y * stride));
	}
	cairo_surface_mark_dirty(sf);
	EXPECT_EQ(cairo_surface_write_to_png(sf, path.c_str()), CAIRO_STATUS_SUCCESS) << path;
	cairo_surface_destroy(sf);
}

bool load_png(const std::string &path, Image &img)
{
	cairo_surface_t *sf = cairo_image_surface_create_from_png(path.c_str());
	const bool ok = cairo_surface_status(sf) == CAIRO_STATUS_SUCCESS;
	if (ok)
	{
		cairo_surface_flush(sf);
		img.w = cairo_image_surface_get_width(sf);
		img.h = cairo_image_surface_get_height(sf);
		const unsigned char *data = cairo_image_surface_get_data(sf);
		const int stride = cairo_image_surface_get_stride(sf);
		img.px.clear();
		for (int y = 0; y < img.h; ++y)
		{
			const auto *row = reinterpret_cast<const uint32_t *>(data + y * stride);
			for (int x = 0; x < img.w; ++x)
			{
				img.px.push_back(row[x] & 0xFFFFFFu);
			}
		}
	}
	cairo_surface_destroy(sf);
	return ok;
}


// Preferences (MIDI, mouse mode) go to a settings folder of the test's own
// while it lives.
class ScratchSettings
{
public:
	ScratchSettings()
	{
		const char *old_0 = std::getenv("XDG_CONFIG_HOME");
		_had = (old_0 != nullptr);
		_old = _had ? old_0 : "";
		setenv("XDG_CONFIG_HOME", _folder.get_path().c_str(), 1);
	}
	~ScratchSettings()
	{
		if (_had)
		{
			setenv("XDG_CONFIG_HOME", _old.c_str(), 1);
		}
		else
		{
			unsetenv("XDG_CONFIG_HOME");
		}
	}
	const std::string &get_path() const noexcept
	{
		return _folder.get_path();
	}

private:
	TempFolder _folder{"tarvelle-prefs"};
	bool _had = false;
	std::string _old;
};

// The panels, in window units.
struct Panel
{
	const char *name;
	Rect area;
};
const Panel PANELS[] = {{"tempo", Rect(0, 0, 81, 95)},          {"edit", Rect(81, 0, 191, 95)},
                        {"lfo", Rect(191, 0, 405, 95)},         {"presets", Rect(405, 0, 601, 95)},
                        {"cells_1_3", Rect(0, 95, 270, 540)},   {"master", Rect(270, 95, 331, 540)},
                        {"cells_2_4", Rect(331, 95, 601, 540)}, {"info", Rect(0, 540, 601, 563)}};

}  // namespace

TEST_F(EditorPanels, EachPanelLooksAsItsReferenceAtBothScales)
{
	const bool update = std::getenv("TARVELLE_UPDATE_REFS") != nullptr;
	for (int scale : {1, 2})
	{
		// Every voice shown, the first voice's period selected with its LFO.
		Editor e(scale);
		e.all_voices_heard();
		e.select(Idx::voice(0, Idx::PERIOD));
		e.run(1.0);
		const Image shot = capture(e.win.use_screen());
		const std::string name = "editor_" + std::to_string(scale) + "x";
		const std::string ref_path = std::string(REF_DIR) + "/" + name + ".png";
		if (update)
		{
			save_png(shot, ref_path);
			continue;
		}
		Image ref;
		ASSERT_TRUE(load_png(ref_path, ref)) << ref_path << " is missing: run the test with TARVELLE_UPDATE_REFS=1";
		ASSERT_EQ(ref.w, shot.w);
		ASSERT_EQ(ref.h, shot.h);
		for (const Panel &p : PANELS)
		{
			// Differences in red over the reference, faded.
			Image diff{p.area.width() * scale, p.area.height() * scale, {}};
			int nbr_diff = 0;
			for (int y = p.area._y0 * scale; y < p.area._y1 * scale; ++y)
			{
				for (int x = p.area._x0 * scale; x < p.area._x1 * scale; ++x)
				{
					const size_t i = size_t(y) * size_t(shot.w) + size_t(x);
					const bool same = shot.px[i] == ref.px[i];
					nbr_diff += same ? 0 : 1;
					diff.px.push_back(same ? (ref.px[i] >> 2) & 0x3F3F3Fu : 0xFF0000u);
				}
			}
			EXPECT_EQ(nbr_diff, 0) << "panel " << p.name << " at " << scale << "x: see " << DIFF_DIR << "/" << name
			                       << "_" << p.name << "_diff.png";
			if (nbr_diff != 0)
			{
				save_png(diff, std::string(DIFF_DIR) + "/" + name + "_" + p.name + "_diff.png");
			}
		}
	}
	if (update)
	{
		GTEST_SKIP() << "references written to " << REF_DIR;
	}
}

TEST_F(EditorPanels, EveryParameterHasAControlThatFollowsTheHost)
{
	Editor e(1);
	e.all_voices_heard();
	const int n = e.gui->get_dsp()->get_nbr_param();
	ASSERT_EQ(n, 11 + 4 * 28);
	for (int i = 0; i < n; ++i)
	{
		ASSERT_NE(e.ctrl(i), nullptr) << "parameter " << i << " has no control";
		const float target = (i % 2 == 0) ? 0.3f : 0.7f;
		e.fx->setParameter(e.fx, i, target);
	}
	e.run(0.1);
	for (int i = 0; i < n; ++i)
	{
		// Steps of choices land where the parameter put them.
		EXPECT_NEAR(e.ctrl(i)->get_val(), e.param(i), 1e-6) << "parameter " << i;
		EXPECT_NEAR(e.param(i), (i % 2 == 0) ? 0.3f : 0.7f, 0.17) << "parameter " << i;
	}
}

TEST_F(EditorPanels, EveryControlWorkedWithThePointerChangesItsParameterAsOneGestureForTheHost)
{
	Editor e(1);
	e.all_voices_heard();
	const int n = e.gui->get_dsp()->get_nbr_param();
	for (int i = 0; i < n; ++i)
	{
		e.fx->setParameter(e.fx, i, 0.5f);
	}
	for (int i = 0; i < n; ++i)
	{
		ControlInterface &c = *e.ctrl(i);
		if (!c.is_shown())
		{
			// An LFO's controls show with the parameter it modulates, one to
			// three places before it.
			for (int main = i - 1; main >= i - 3; --main)
			{
				if (e.ctrl(main)->is_shown())
				{
					e.select(main);
					break;
				}
			}
		}
		ASSERT_TRUE(c.is_shown()) << "parameter " << i;
		calls.clear();
		const float before = e.param(i);
		// A drag up from the control's origin, then clicks across its box
		// (a switch's states, a flip-flop).
		e.drag_up(c.get_coord(), 40);
		const Rect box = c.get_box();
		for (int y = box._y0 + 2; y < box._y1 && e.param(i) == before; y += 4)
		{
			for (int x = box._x0 + 2; x < box._x1 && e.param(i) == before; x += 4)
			{
				e.click(c.get_coord() + Coord2D(x, y));
			}
		}
		EXPECT_NE(e.param(i), before) << "parameter " << i;
		// Gestures alternate begin, automation, end; never two begins in a row.
		const std::vector<Call> seen = told(i);
		ASSERT_GE(seen.size(), 3u) << "parameter " << i;
		bool open = false;
		for (const Call &c : seen)
		{
			if (c.op == audioMasterBeginEdit || c.op == audioMasterEndEdit)
			{
				EXPECT_NE(open, c.op == audioMasterBeginEdit) << "parameter " << i;
				open = (c.op == audioMasterBeginEdit);
			}
			else
			{
				EXPECT_TRUE(open) << "automation outside a gesture, parameter " << i;
			}
		}
		EXPECT_FALSE(open) << "parameter " << i;
		EXPECT_EQ(seen[seen.size() - 2].op, audioMasterAutomate) << "parameter " << i;
		EXPECT_NEAR(seen[seen.size() - 2].value, e.param(i), 1e-6) << "parameter " << i;
	}
}

TEST_F(EditorPanels, AClickShowsTheParameterAndItsLfoInTheEditAndLfoPanels)
{
	Editor e(1);
	EXPECT_EQ(e.gui->use_edit_cgi().get_nbr_controls(), 0) << "nothing selected at first";
	const int period = Idx::voice(0, Idx::PERIOD);
	e.select(period);
	ASSERT_EQ(Editor::text_boxes(e.gui->use_edit_cgi()).size(), 3u);
	EXPECT_EQ(e.box(S::Slot_NAME_TB).get_text(), "V 1 Period");
	EXPECT_EQ(e.box(S::Slot_UNIT_TB).get_text(), "beat");
	EXPECT_TRUE(e.ctrl(period)->is_activated());
	// Its LFO: period and depth knobs, shape switch and their three texts.
	EXPECT_EQ(e.gui->use_lfo_cgi().get_nbr_controls(), 6);
	EXPECT_TRUE(e.ctrl(period + Idx::LFO_PER)->is_shown());
	EXPECT_EQ(Editor::text_boxes(e.gui->use_lfo_cgi()).size(), 3u);
	EXPECT_EQ(e.box(S::Slot_LFO_TYPE_TB).get_text(), "Sine");
	EXPECT_EQ(e.box(S::Slot_LFO_PER_TB).get_text(), "1 beat");

	// The master volume has no LFO: the LFO panel empties.
	e.select(Idx::MASTER_VOL);
	EXPECT_FALSE(e.ctrl(period)->is_activated()) << "one selection at a time";
	EXPECT_EQ(e.box(S::Slot_NAME_TB).get_text(), "Master Vol");
	EXPECT_EQ(e.box(S::Slot_UNIT_TB).get_text(), "dB");
	EXPECT_EQ(e.gui->use_lfo_cgi().get_nbr_controls(), 0);
	EXPECT_FALSE(e.ctrl(period + Idx::LFO_PER)->is_shown());

	// The value follows the fader, whoever moves it.
	e.fx->setParameter(e.fx, Idx::MASTER_VOL, 0.0f);
	e.run(0.1);
	char txt[64];
	e.fx->dispatcher(e.fx, effGetParamDisplay, Idx::MASTER_VOL, 0, txt, 0);
	std::string shown = txt;
	shown.erase(0, shown.find_first_not_of(' '));
	EXPECT_EQ(e.box(S::Slot_VAL_TB).get_text(), shown);
}

TEST_F(EditorPanels, ATypedValueMovesTheControlAndUnreadableTextPutsTheValueBack)
{
	Editor e(1);
	const int gain = Idx::voice(0, Idx::GAIN);
	e.select(gain);
	const TextBox &value = e.box(S::Slot_VAL_TB);
	TextLineEditorPopup &entry = e.win.use_text_popup();
	const auto type = [&](const std::string &text) {
		calls.clear();
		e.click(value.get_coord() + Coord2D(5, 5));
		EXPECT_TRUE(entry.is_running());
		entry.type(text);
		entry.key(TextLineEdit::Key_ENTER);
		e.run(0.3);
	};
	type("-6");
	// Read back through the host, in the parameter's own words.
	char txt[64];
	e.fx->dispatcher(e.fx, effGetParamDisplay, gain, 0, txt, 0);
	EXPECT_NEAR(std::atof(txt), -6.0, 0.05);
	EXPECT_NEAR(e.ctrl(gain)->get_val(), e.param(gain), 1e-6);
	const std::vector<Call> seen = told(gain);
	ASSERT_GE(seen.size(), 3u);
	EXPECT_EQ(seen.front().op, audioMasterBeginEdit);
	EXPECT_EQ(seen.back().op, audioMasterEndEdit);

	const float before = e.param(gain);
	const std::string before_text = value.get_text();
	type("loud");
	EXPECT_EQ(e.param(gain), before);
	EXPECT_EQ(value.get_text(), before_text);
	EXPECT_TRUE(told(gain).empty()) << "nothing reaches the host";
}

TEST_F(EditorPanels, WithoutAHostTempoTheSpinAndTextBoxSetItAndTheUnitSwitchRewritesPeriods)
{
	Editor e(1);
	rivo::GuiTempo &tempo = e.gui->use_tempo();
	ASSERT_TRUE(tempo.use_spin().is_shown()) << "the host gives no tempo";
	EXPECT_EQ(tempo.use_text_box().get_text(), "120.000");
	e.click(tempo.use_text_box().get_coord() + Coord2D(5, 5));
	ASSERT_TRUE(e.win.use_text_popup().is_running());
	e.win.use_text_popup().type("90");
	e.win.use_text_popup().key(TextLineEdit::Key_ENTER);
	e.run(0.2);
	ASSERT_NE(e.gui->get_time_unit(), nullptr);
	EXPECT_NEAR(e.gui->get_time_unit()->get_tempo(), 90, 1e-3);
	EXPECT_EQ(tempo.use_text_box().get_text(), "90.000");
	calls.clear();
	e.click(tempo.use_text_box().get_coord() + Coord2D(5, 5));
	e.win.use_text_popup().type("fast");
	e.win.use_text_popup().key(TextLineEdit::Key_ENTER);
	e.run(0.2);
	EXPECT_EQ(tempo.use_text_box().get_text(), "90.000");
	EXPECT_TRUE(told(Idx::TEMPO).empty());

	// Seconds: the period of voice 1 (1.6 beats) reads 1.6 * 60 / 90 s.
	const int period = Idx::voice(0, Idx::PERIOD);
	e.select(period);
	e.click(tempo.use_unit_ctrl().get_coord());
	EXPECT_EQ(e.gui->get_time_unit()->get_unit(), rivo::TimeUnit::UnitType_S);
	EXPECT_EQ(e.box(S::Slot_UNIT_TB).get_text(), "s");
	EXPECT_NEAR(std::atof(e.box(S::Slot_VAL_TB).get_text().c_str()), 1.6 * 60 / 90, 0.01);
	e.click(tempo.use_unit_ctrl().get_coord());
	EXPECT_EQ(e.box(S::Slot_UNIT_TB).get_text(), "beat");
}

TEST_F(EditorPanels, ThePeriodKnobStopsAtMusicalPeriodsInBeatsAndAtRoundTimesInSeconds)
{
	Editor e(1);
	const auto *notch = dynamic_cast<const rivo::TimeNotchListener *>(e.ctrl(Idx::voice(0, Idx::PERIOD))->get_listener());
	ASSERT_NE(notch, nullptr);
	// The knob spans 1/256 to 256 beats evenly in octaves: a period of b
	// beats lies at (log2 b + 8) / 16.
	std::vector<double> beats = {1.0 / 256, 1.0 / 128, 1.0 / 64, 1.0 / 32, 1.0 / 24, 1.0 / 16, 1.0 / 12,
	                             1.0 / 8,   1.0 / 6,   1.0 / 4,  1.0 / 3,  3.0 / 8,  1.0 / 2,  2.0 / 3,
	                             3.0 / 4,   1,         4.0 / 3,  3.0 / 2,  2,        3,        4,
	                             6,         8,         12,       16,       24,       32,       48,
	                             64,        96,        128,      192,      256};
	ASSERT_EQ(notch->get_notches().size(), beats.size());
	const auto *knob = dynamic_cast<const PotInterface *>(e.ctrl(Idx::voice(0, Idx::PERIOD)));
	ASSERT_NE(knob, nullptr);
	EXPECT_EQ(knob->get_notch_list(), notch->get_notches()) << "the knob stops at them";
	for (size_t k = 0; k < beats.size(); ++k)
	{
		EXPECT_NEAR(notch->get_notches()[k], (std::log2(beats[k]) + 8) / 16, 1e-6) << k;
	}
	// In seconds at 120 BPM (half a second a beat), 1 s is 2 beats; the
	// table's longest times no longer fit in 256 beats.
	e.gui->change_time_unit(rivo::TimeUnit::UnitType_S);
	const std::vector<double> &s = notch->get_notches();
	EXPECT_NE(std::find_if(s.begin(), s.end(), [](double p) { return std::fabs(p - (1.0 + 8) / 16) < 1e-6; }),
	          s.end());
	EXPECT_EQ(s.size(), beats.size() - 2) << "192 s and 256 s are beyond 256 beats";
}

TEST_F(EditorPanels, TheSetupButtonOpensItsMenu)
{
	Editor e(1);
	rivo::GuiInfo &info = e.gui->use_info();
	EXPECT_EQ(info.use_setup_button().get_coord(), Coord2D(578, 552));
	e.click(info.use_setup_button().get_coord());
	e.run(0.5);
	EXPECT_TRUE(e.win.use_menu_popup().use_view().is_open());
}

TEST_F(EditorPanels, ASecondaryButtonDragCarriesTheOtherVoicesAlongRelativelyWithShiftAndInvertedWithControl)
{
	Editor e(1);
	e.all_voices_heard();
	int pans[4];
	const float start[4] = {0.2f, 0.3f, 0.4f, 0.5f};
	for (int v = 0; v < 4; ++v)
	{
		pans[v] = Idx::voice(v, Idx::PAN);
		e.fx->setParameter(e.fx, pans[v], start[v]);
	}
	e.run(0.1);
	// Voice 1's pan knob, 64 px up with the secondary button (a quarter of its travel).
	const auto drag = [&](int alt) {
		const Coord2D p = e.ctrl(pans[0])->get_coord();
		e.win.mouse_down(p, MouseState_SECONDARY, alt, e.clock.now());
		for (int k = 0; k < 4; ++k)
		{
			e.win.mouse_moved(e.win.get_org_mouse_pos() + Coord2D(0, -16), MouseState_SECONDARY);
			e.run(0.04);
		}
		e.win.mouse_up(p, alt);
		e.run(1.5);
	};
	drag(AltKeys_SHIFT);
	const float moved = e.param(pans[0]) - start[0];
	EXPECT_NEAR(moved, 0.25f, 0.02f);
	for (int v = 1; v < 4; ++v)
	{
		EXPECT_NEAR(e.param(pans[v]) - start[v], moved, 0.01f) << "voice " << v + 1 << " keeps its distance";
	}

	// With Control the others go the other way: the same value turned over.
	drag(AltKeys_CONTROL);
	const float lead = e.param(pans[0]);
	for (int v = 1; v < 4; ++v)
	{
		EXPECT_NEAR(e.param(pans[v]), 1 - lead, 1e-4f) << "voice " << v + 1;
	}

	// A value typed afterwards moves voice 1 alone: "Mid" is the middle.
	const float other = e.param(pans[1]);
	e.click(e.box(S::Slot_VAL_TB).get_coord() + Coord2D(5, 5));
	ASSERT_TRUE(e.win.use_text_popup().is_running());
	e.win.use_text_popup().type("Mid");
	e.win.use_text_popup().key(TextLineEdit::Key_ENTER);
	e.run(0.3);
	EXPECT_NEAR(e.param(pans[0]), 0.5f, 1e-6f);
	EXPECT_EQ(e.param(pans[1]), other) << "not linked";
}

TEST_F(EditorPanels, AutoBindByExampleBindsTheTouchedControlToTheNextControllerAndMarksIt)
{
	ScratchSettings settings;
	Editor e(1, true);
	rivo::MidiAutoBindMgr &ab = e.gui->use_autobind_mgr();
	const int period = Idx::voice(0, Idx::PERIOD);
	// Touched while auto-bind is off: a candidate, nothing armed.
	e.select(period);
	EXPECT_EQ(ab.get_autobind_candidate_index(), period);
	EXPECT_EQ(e.ctrl(period)->get_cur_top_layer_pic(), 0);
	ab.activate_autobind(true);
	e.run(0.1);
	EXPECT_EQ(e.ctrl(period)->get_cur_top_layer_pic(), 1) << "the armed target is marked";

	// A controller from the host: bound, and it moves the parameter at once.
	VstMidiEvent ev{};
	ev.type = kVstMidiType;
	ev.byteSize = sizeof(VstMidiEvent);
	ev.midiData[0] = char(0xB0);
	ev.midiData[1] = 21;
	ev.midiData[2] = 127;
	std::vector<unsigned char> block(offsetof(VstEvents, events) + sizeof(VstEvent *) + 16);
	reinterpret_cast<VstEvents *>(block.data())->numEvents = 1;
	*reinterpret_cast<VstEvent **>(block.data() + offsetof(VstEvents, events)) = reinterpret_cast<VstEvent *>(&ev);
	e.fx->dispatcher(e.fx, effProcessEvents, 0, 0, block.data(), 0);
	e.run(0.1);
	EXPECT_FLOAT_EQ(e.param(period), 16256.0f / 16383.0f);
	EXPECT_NEAR(e.ctrl(period)->get_val(), e.param(period), 1e-6) << "the control follows";
	int p = -1;
	float n = 0;
	e.plugin->use_midi_interface()->map_cc_2_param(rivo::MidiMgr::encode_ctrl_id(21, 0), 0, p, n);
	EXPECT_EQ(p, period);

	ab.activate_autobind(false);
	e.run(0.1);
	EXPECT_EQ(e.ctrl(period)->get_cur_top_layer_pic(), 0);
}

namespace
{

// An entry of the setup menu or of its sub-menus, by the start of its label.
MenuItem *find_entry(const MenuList &list, const std::string &label)
{
	for (int i = 0; i < list.size(); ++i)
	{
		MenuNodeInterface *node_ptr = list.use_node(i);
		if (auto *sub_ptr = dynamic_cast<MenuList *>(node_ptr))
		{
			if (MenuItem *found_ptr = find_entry(*sub_ptr, label))
			{
				return found_ptr;
			}
		}
		else if (auto *item_ptr = dynamic_cast<MenuItem *>(node_ptr);
		         item_ptr != nullptr && item_ptr->get_label().compare(0, label.size(), label) == 0)
		{
			return item_ptr;
		}
	}
	return nullptr;
}

class SetupMenu
{
public:
	explicit SetupMenu(bool midi) : e(1, midi) {}
	// The setup button pressed: the menu as it shows.
	MenuList &open()
	{
		e.click(e.gui->use_info().use_setup_button().get_coord());
		e.run(0.5);
		return e.gui->use_info().use_setup_mgr().use_menu();
	}
	// Opens the menu and picks an entry.
	void choose(const std::string &label)
	{
		MenuItem *item_ptr = find_entry(open(), label);
		ASSERT_NE(item_ptr, nullptr) << label;
		e.win.use_menu()->choose(item_ptr->get_id());
		e.run(0.2);
	}
	MenuItem &item(const std::string &label)
	{
		MenuItem *item_ptr = find_entry(e.gui->use_info().use_setup_mgr().use_menu(), label);
		EXPECT_NE(item_ptr, nullptr) << label;
		return *item_ptr;
	}
	// The message box on top, as "title:text"; "none" without one.
	std::string box()
	{
		DialogHost &host = e.win.use_dialog_host();
		auto *box_ptr = (host.get_nbr_dialogs() > 0)
		                   ? dynamic_cast<MessageBoxView *>(&host.use_dialog(host.get_nbr_dialogs() - 1))
		                   : nullptr;
		return (box_ptr != nullptr) ? box_ptr->get_title() + ":" + box_ptr->get_text() : std::string("none");
	}
	DialogView &dialog()
	{
		return e.win.use_dialog_host().use_dialog(e.win.use_dialog_host().get_nbr_dialogs() - 1);
	}
	// A file chosen in the selector on top.
	void pick_file(const std::string &path)
	{
		dialog().type(path);
		dialog().key(DialogView::Key_ENTER);
		e.run(0.1);
	}

	ScratchSettings settings;
	Editor e;
};

std::vector<char> bytes_of(const std::string &path)
{
	std::ifstream f(path, std::ios::binary);
	return std::vector<char>(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

}  // namespace

TEST_F(EditorPanels, TheSetupMenuListsItsEntriesAndWithoutMidiItsMidiEntriesAreOff)
{
	SetupMenu m(false);
	const MenuList &root = m.open();
	EXPECT_TRUE(m.e.win.use_menu_popup().use_view().is_open());
	std::vector<std::string> labels;
	for (int i = 0; i < root.size(); ++i)
	{
		labels.push_back(root.use_node(i)->get_label());
	}
	EXPECT_EQ(labels, (std::vector<std::string>{"About...", "Kestrom on the web", "Product info...", "Updates...",
	                                            "Documentation...", "Presets...", "Settings", "Load...", "Save...",
	                                            "Enhanced mouse mode", "MIDI", "Auto-bind", "Input device",
	                                            "Output device", "Old erroneous nrpn behaviour"}));
	EXPECT_NE(dynamic_cast<const MenuDelimiter *>(root.use_node(1)), nullptr);
	EXPECT_TRUE(m.item("Auto-bind").is_disable());
	EXPECT_TRUE(m.item("Old erroneous nrpn behaviour").is_disable());
	EXPECT_EQ(static_cast<const MenuList *>(root.use_node(12))->size(), 0) << "no devices";
}

TEST_F(EditorPanels, TheSetupMenuShowsAutoBindsTargetAndTheDevicesAndKeepsTheNrpnChoice)
{
	SetupMenu m(true);
	m.choose("Auto-bind");
	m.open();
	EXPECT_TRUE(m.item("Auto-bind").is_checked());
	EXPECT_EQ(m.item("Auto-bind").get_label(), "Auto-bind [now select a parameter]");
	m.e.win.use_menu()->stop();
	m.e.select(Idx::voice(0, Idx::PERIOD));
	m.open();
	EXPECT_EQ(m.item("Auto-bind").get_label(), "Auto-bind [target : V 1 Period]");
	EXPECT_TRUE(m.item("VST MIDI In interface").is_checked());
	m.e.win.use_menu()->stop();

	m.choose("None");  // the first "None": the input's
	m.open();
	EXPECT_TRUE(m.item("None").is_checked());
	EXPECT_FALSE(m.item("VST MIDI In interface").is_checked());
	EXPECT_EQ(m.e.plugin->use_midi_dev_sel()->get_dev_in_cur_id(), -1);
	m.e.win.use_menu()->stop();

	m.choose("Old erroneous nrpn behaviour");
	EXPECT_EQ(m.e.plugin->use_midi_interface()->use_persistent_midi_settings().get_nrpn_compatibility(), 0);
	rivo::PersistentMidiSettings again;
	again.init("Tarvelle");
	EXPECT_EQ(again.get_nrpn_compatibility(), 0) << "kept for the next run";
	m.open();
	EXPECT_TRUE(m.item("Old erroneous nrpn behaviour").is_checked());
}

TEST_F(EditorPanels, TheSetupMenusActionsAboutWebPagesMouseModeAndSettingFiles)
{
	SetupMenu m(true);
	m.choose("About...");
	const std::string about = m.box();
	EXPECT_EQ(about.substr(0, about.find("\n\n")), "About...:Tarvelle\nVersion  1.00");
	EXPECT_NE(about.find("VST is a trademark"), std::string::npos);
	m.dialog().key(DialogView::Key_ENTER);
	m.e.run(0.1);

	static std::vector<std::string> urls;
	sys::set_url_opener([](const char *url_0) {
		urls.push_back(url_0);
		return 0;
	});
	m.choose("Updates...");
	m.choose("Presets...");
	sys::set_url_opener(nullptr);
	EXPECT_EQ(urls, (std::vector<std::string>{
	                   "https://tarvelle.example.org/jump.php?type=product&productid=43&version=256&action=update",
	                   "https://tarvelle.example.org/jump.php?type=product&productid=43&version=256&action=preset"}));

	// The mouse mode flips and is kept.
	using Mouse = ruvava::PersistentMouseSettings;
	const Mouse::MouseBehaviour was = Mouse::get_instance().update_mouse_behaviour();
	m.choose("Enhanced mouse mode");
	EXPECT_NE(Mouse::get_instance().update_mouse_behaviour(), was);
	m.choose("Enhanced mouse mode");
	EXPECT_EQ(Mouse::get_instance().update_mouse_behaviour(), was);

	// Saving: the extension is added; over an existing file "Cancel" leaves
	// it byte for byte, with no error.
	const std::string stem = m.settings.get_path() + "/setup";
	m.choose("Save...");
	m.pick_file(stem);
	const std::string path = stem + ".cfg.txt";
	const std::vector<char> before = bytes_of(path);
	ASSERT_FALSE(before.empty());
	m.e.plugin->use_midi_interface()->associate_param(4, rivo::MidiMgr::encode_ctrl_id(70, 0));
	m.choose("Save...");
	m.pick_file(path);
	EXPECT_EQ(m.box(), "Conflict:" + path + "\nalready exists. Overwrite ?");
	m.dialog().key(DialogView::Key_ENTER);  // the default answer: Cancel
	m.e.run(0.1);
	EXPECT_EQ(bytes_of(path), before);
	EXPECT_EQ(m.box(), "none");
	// "Ok" writes it; loading it brings the binding back.
	m.choose("Save...");
	m.pick_file(path);
	static_cast<MessageBoxView &>(m.dialog()).key(DialogView::Key_TAB);
	m.dialog().key(DialogView::Key_ENTER);
	m.e.run(0.1);
	EXPECT_NE(bytes_of(path), before);
	m.e.plugin->use_midi_interface()->clear_mapping();
	m.choose("Load...");
	m.pick_file(path);
	EXPECT_EQ(m.box(), "none");
	int bound = -1;
	float norm = 0;
	m.e.plugin->use_midi_interface()->map_cc_2_param(rivo::MidiMgr::encode_ctrl_id(70, 0), 0, bound, norm);
	EXPECT_EQ(bound, 4);

	// Another plug-in's setting file: its code, and the bindings as they were.
	const std::string other = m.settings.get_path() + "/other.cfg.txt";
	std::ofstream(other) << "Some_other_plug_in_config_section =\n{\n\tversion = \"1.00\"\n}\n";
	m.choose("Load...");
	m.pick_file(other);
	EXPECT_EQ(m.box(), "Error:Can't load configuration file\n\n\nCode -3071");
	int p = -1;
	float n = 0;
	m.e.plugin->use_midi_interface()->map_cc_2_param(rivo::MidiMgr::encode_ctrl_id(70, 0), 0, p, n);
	EXPECT_EQ(p, 4);
}
