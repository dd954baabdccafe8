// The preset memories with the real engine, driven through the panel's
// controls in an off-screen window: store, recall with a morph checked
// against straight-line interpolation worked out here, the fade time's scale.
#include "support/ArtFont.h"
#include "editor/PresetManager.h"
#include "editor/WebSiteJump.h"
#include "gui/BackgroundItem.h"
#include "gui/FileSelectorView.h"
#include "gui/FontFactory.h"
#include "gui/MessageBoxView.h"
#include "gui/CtrlGroupItem.h"
#include "gui/Fader.h"
#include "gui/FlipFlop.h"
#include "gui/PushButton.h"
#include "gui/TextBox.h"
#include "gui/WindowOffscreen.h"
#include "params/GuiInterface.h"
#include "params/HostGuiInterface.h"
#include "params/KtpbFileOp.h"
#include "support/FakeHostDsp.h"
#include "support/InProcessPlugin.h"
#include "support/NoHostGui.h"
#include "support/SineFit.h"
#include "support/TempFolder.h"
#include "support/ToolkitBench.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>

using namespace ruvava;
using namespace testsupport;
using rivo::PresetManager;
using rivo::ProgramSlot;

namespace
{

// The host side: programs go to the engine and are recorded with their priority.
class RecordingHostGui : public NoHostGui
{
public:
	explicit RecordingHostGui(rivo::DspInterface &dsp) : _dsp(dsp) {}
	void set_program(const ProgramSlot &slot, int prio) override
	{
		_programs.push_back(slot);
		_prios.push_back(prio);
		_dsp.do_set_program(slot);
	}

	rivo::DspInterface &_dsp;
	std::vector<ProgramSlot> _programs;
	std::vector<int> _prios;
};

class StubGui : public rivo::GuiInterface
{
public:
	StubGui(rivo::DspInterface &dsp, rivo::HostGuiInterface &host) : _dsp(dsp), _host(host) {}
	int init() override
	{
		return 0;
	}
	void set_default_state() override {}
	void restore() override {}
	rivo::HostGuiInterface *get_host() const override
	{
		return &_host;
	}
	void set_host(rivo::HostGuiInterface &) override {}
	rivo::DspInterface *get_dsp() const override
	{
		return &_dsp;
	}
	void set_dsp(rivo::DspInterface &) override {}
	void set_msg_mgr_ptr(void *) override {}
	void *get_msg_mgr_ptr() const override
	{
		return nullptr;
	}
	void get_max_window_size(int &w, int &h) const override
	{
		w = h = 0;
	}
	void get_window_size(int &w, int &h) const override
	{
		w = h = 0;
	}
	int open(void *) override
	{
		return 0;
	}
	void close() override {}
	void set_param(int, float, int) override {}
	void set_hidden_param(int, float) override {}
	void set_tempo(float) override {}
	void set_control_top_layer_pic(int, int) override {}

	rivo::DspInterface &_dsp;
	rivo::HostGuiInterface &_host;
};


std::vector<char> file_bytes(const std::string &path)
{
	std::ifstream f(path, std::ios::binary);
	return std::vector<char>(std::istreambuf_iterator<char>(f), {});
}

// The preset panel: eight buttons in a row, the memory switch, the fader,
// the display and the bank buttons.
struct Panel
{
	Panel() : host(fx.dsp), gui(fx.dsp, host), win(Coord2D(400, 100))
	{
		group.set_area(Rect(0, 0, 400, 100));
		win.set_ctrl_group_root(&group);
		for (int i = 0; i < 8; ++i)
		{
			buttons[i].set_box(Rect(0, 0, 20, 20));
			buttons[i].set_rel_coord(Coord2D(10 + 30 * i, 10));
			group.push_back(buttons[i]);
			ctrls[i] = &buttons[i];
		}
		mem.set_box(Rect(0, 0, 20, 20));
		mem.set_rel_coord(Coord2D(300, 10));
		fader.set_box(Rect(0, -5, 60, 5));
		fader.set_amplitude(50);
		fader.set_rel_coord(Coord2D(10, 60));
		display.set_box(Rect(0, 0, 30, 14));
		display.set_frame_size(Coord2D(30, 14));
		display.set_editable(true);
		display.set_rel_coord(Coord2D(100, 60));
		load.set_box(Rect(0, 0, 20, 20));
		load.set_rel_coord(Coord2D(340, 10));
		save.set_box(Rect(0, 0, 20, 20));
		save.set_rel_coord(Coord2D(370, 10));
		for (ControlInterface *c : std::initializer_list<ControlInterface *>{&mem, &fader, &display, &load, &save})
		{
			group.push_back(*c);
		}
		win.set_sys_font(&sys_font());
		win.open(nullptr);
		init_ret = mgr.init(gui, nullptr, ctrls, mem, load, save, fader, display, PresetManager::DEFAULT_BANK);
		mgr.set_dialog_host(&win.use_dialog_host());
	}
	// Presses a bank button and answers its file dialog with a typed path.
	void bank_file(bool save_it, const std::string &path)
	{
		const int32_t x = save_it ? 375 : 345;
		win.mouse_down(Coord2D(x, 15), MouseState_PRIMARY, 0, clock.now());
		win.mouse_up(Coord2D(x, 15), 0);
		DialogView &d = dialog();
		d.type(path);
		d.key(DialogView::Key_ENTER);
		win.serve(clock.now());
	}
	DialogView &dialog()
	{
		return win.use_dialog_host().use_dialog(win.use_dialog_host().get_nbr_dialogs() - 1);
	}
	std::string box_text()
	{
		auto *box_ptr = dynamic_cast<MessageBoxView *>(&dialog());
		return (box_ptr != nullptr) ? box_ptr->get_title() + ":" + text_of(*box_ptr) : std::string("none");
	}
	static std::string text_of(const MessageBoxView &box)
	{
		return box.get_text();
	}
	void press(int i)
	{
		win.mouse_down(Coord2D(15 + 30 * i, 15), MouseState_PRIMARY, 0, clock.now());
		win.mouse_up(Coord2D(15 + 30 * i, 15), 0);
	}
	void run(double seconds)
	{
		for (double t = 0; t < seconds - 1e-9; t += 0.01)
		{
			clock.advance(0.01);
			win.serve(clock.now());
		}
	}
	// A sound that differs from the default in every parameter's value.
	ProgramSlot sound(float shift)
	{
		ProgramSlot slot;
		fx.dsp.do_get_program(slot);
		for (int i = 0; i < slot.get_nbr_param(); ++i)
		{
			slot.set_parameter(i, std::fmod(slot.get_parameter(i) + shift, 1.0f));
		}
		return slot;
	}
	ProgramSlot current()
	{
		ProgramSlot slot;
		fx.dsp.do_get_program(slot);
		return slot;
	}

	FakeClock clock;
	EngineFixture fx;
	RecordingHostGui host;
	StubGui gui;
	WindowOffscreen win;
	CtrlGroupItem group;
	PushButton buttons[8];
	ControlInterface *ctrls[8];
	FlipFlop mem;
	PushButton load;
	PushButton save;
	Fader fader;
	TextBox display;
	PresetManager mgr;
	int init_ret = 0;
};

}  // namespace

TEST(PresetManager, StartsWithTheCurrentSoundWhenTheDefaultBankIsMissing)
{
	Panel p;
	EXPECT_EQ(p.init_ret, -1) << "no resources in a test program";
	const ProgramSlot cur = p.current();
	for (int i = 0; i < 8; ++i)
	{
		ProgramSlot m;
		p.mgr.use_bank().load(i, m);
		for (int k = 0; k < cur.get_nbr_param(); ++k)
		{
			ASSERT_EQ(m.get_parameter(k), cur.get_parameter(k)) << i;
		}
	}
	EXPECT_NEAR(p.mgr.get_fade_time(), 1.0, 1e-9);
	EXPECT_EQ(p.display.get_text(), "1");
	EXPECT_EQ(PresetManager::get_filter_name(), "Kestrom plug-in preset bank (*.pbk)");
	EXPECT_EQ(PresetManager::get_filter_pattern(), "*.pbk");
}

TEST(PresetManager, TheFadeTimeRunsFromNoneTo99SecondsOnALogScale)
{
	Panel p;
	const struct
	{
		double x;
		double t;
	} cases[] = {{0, 0}, {1, 99}, {std::log(2.0) / std::log(100.0), 1}, {0.5, 9}};
	for (const auto &c : cases)
	{
		p.fader.set_val_user(c.x, 200);
		EXPECT_NEAR(p.mgr.get_fade_time(), c.t, 1e-9) << c.x;
	}
	const struct
	{
		const char *typed;
		double t;
		const char *shown;
	} typed[] = {{"150", 99, "99"}, {"-3", 0, "0"}, {"2.6", 2.6, "3"}, {"fast", 0, "0"}};
	for (const auto &c : typed)
	{
		p.display.set_text(c.typed);
		p.display.send_custom_event(TextBox::Event_EDITED, nullptr);
		EXPECT_NEAR(p.mgr.get_fade_time(), c.t, 1e-9) << c.typed;
		EXPECT_EQ(p.display.get_text(), c.shown) << c.typed;
	}
}

TEST(PresetManager, StoreModeKeepsTheSoundInAMemoryWithoutPlayingAnything)
{
	Panel p;
	const ProgramSlot b = p.sound(0.25f);
	p.fx.dsp.do_set_program(b);
	p.mem.set_val_auto(1, 200);
	p.press(3);
	EXPECT_EQ(p.mem.get_val(), 0.0) << "the memory switch goes off";
	EXPECT_TRUE(p.host._programs.empty());
	ProgramSlot m;
	p.mgr.use_bank().load(3, m);
	EXPECT_EQ(m.get_parameter(7), b.get_parameter(7));
	p.mgr.use_bank().load(2, m);
	EXPECT_NE(m.get_parameter(7), b.get_parameter(7));
}

TEST(PresetManager, RecallMorphsInStraightLinesAtPriority150EveryTenthOfASecond)
{
	Panel p;
	const ProgramSlot a = p.current();
	const ProgramSlot b = p.sound(0.3f);
	p.mgr.use_bank().store(5, b);
	p.fader.set_val_user(std::log(1 + 0.5) / std::log(100.0), 200);  // 0.5 s
	ASSERT_NEAR(p.mgr.get_fade_time(), 0.5, 1e-9);
	p.press(5);
	p.run(1.0);
	// Steps at 0.1, 0.2, ... 0.5 s, the last one complete.
	ASSERT_EQ(p.host._programs.size(), 5u);
	for (size_t s = 0; s < 5; ++s)
	{
		const double ratio = std::min((0.1 * double(s + 1)) / 0.5, 1.0);
		EXPECT_EQ(p.host._prios[s], 150);
		for (int k = 0; k < a.get_nbr_param(); k += 7)
		{
			const double expected = a.get_parameter(k) + ratio * (b.get_parameter(k) - a.get_parameter(k));
			ASSERT_NEAR(p.host._programs[s].get_parameter(k), expected, 1e-5) << "step " << s << " param " << k;
		}
	}
	EXPECT_TRUE(p.win.get_timer_list().empty());
}

TEST(PresetManager, ANewRecallStartsFromThePartlyMorphedSoundAndNoFadeJumps)
{
	Panel p;
	const ProgramSlot a = p.current();
	const ProgramSlot b = p.sound(0.3f);
	const ProgramSlot c = p.sound(0.6f);
	p.mgr.use_bank().store(5, b);
	p.mgr.use_bank().store(2, c);
	p.fader.set_val_user(1, 200);  // 99 s
	p.press(5);
	p.run(0.35);
	const ProgramSlot mid = p.current();
	EXPECT_NE(mid.get_parameter(7), a.get_parameter(7));
	p.host._programs.clear();
	p.press(2);
	p.run(0.1);
	ASSERT_EQ(p.host._programs.size(), 1u) << "one fade at a time";
	const double ratio = 0.1 / 99;
	EXPECT_NEAR(p.host._programs[0].get_parameter(7),
	            mid.get_parameter(7) + ratio * (c.get_parameter(7) - mid.get_parameter(7)), 1e-5);

	// With no fade time the first step lands on the memory and ends.
	p.fader.set_val_user(0, 200);
	p.host._programs.clear();
	p.press(5);
	p.run(0.3);
	ASSERT_EQ(p.host._programs.size(), 1u);
	EXPECT_EQ(p.host._programs[0].get_parameter(7), b.get_parameter(7));
}

TEST(PresetManager, SetBankCopiesAtMostEightProgramsAndRestoreStopsTheFade)
{
	Panel p;
	rivo::BankManager big(96);
	rivo::BankManager small(3);
	for (int i = 0; i < 96; ++i)
	{
		big.store(i, p.sound(0.01f * float(i + 1)));
	}
	for (int i = 0; i < 3; ++i)
	{
		small.store(i, p.sound(0.5f + 0.01f * float(i)));
	}
	p.mgr.set_bank(big);
	p.mgr.set_bank(small);
	for (int i = 0; i < 8; ++i)
	{
		const ProgramSlot &expected = (i < 3) ? small[i] : big[i];
		EXPECT_EQ(p.mgr.use_bank()[i].get_parameter(4), expected.get_parameter(4)) << i;
	}
	p.fader.set_val_user(1, 200);
	p.press(1);
	p.run(0.2);
	EXPECT_EQ(p.host._programs.size(), 2u);
	p.mgr.restore();
	p.run(1.0);
	EXPECT_EQ(p.host._programs.size(), 2u) << "no step after restore";
}

TEST(PresetManager, BanksGoToFilesAndComeBackAndSavingOverAFileAsksFirst)
{
	Panel p;
	testsupport::TempFolder dir("tarvelle-presets");
	for (int i = 0; i < 8; ++i)
	{
		p.mgr.use_bank().store(i, p.sound(0.05f * float(i + 1)));
	}
	const rivo::BankManager saved = p.mgr.use_bank();
	p.bank_file(true, dir.get_path() + "/live");
	const std::string path = dir.get_path() + "/live.pbk";
	ASSERT_TRUE(std::ifstream(path).good()) << "the extension is added";
	const std::vector<char> before = file_bytes(path);

	// Over the same file: Cancel leaves it byte for byte; Ok writes it.
	p.mgr.use_bank().store(0, p.sound(0.9f));
	p.bank_file(true, path);
	EXPECT_EQ(p.box_text(), "Conflict:" + path + "\nalready exists. Overwrite ?");
	p.dialog().key(DialogView::Key_ENTER);  // the default answer: Cancel
	p.win.serve(p.clock.now());
	EXPECT_EQ(file_bytes(path), before);
	p.bank_file(true, path);
	static_cast<MessageBoxView &>(p.dialog()).key(DialogView::Key_TAB);
	p.dialog().key(DialogView::Key_ENTER);
	p.win.serve(p.clock.now());
	EXPECT_NE(file_bytes(path), before);

	// Loading the first file again brings the saved memories back.
	std::ofstream(dir.get_path() + "/first.pbk", std::ios::binary).write(before.data(), long(before.size()));
	p.bank_file(false, dir.get_path() + "/first.pbk");
	EXPECT_EQ(p.win.use_dialog_host().get_nbr_dialogs(), 0);
	EXPECT_TRUE(p.mgr.use_bank() == saved);
}

TEST(PresetManager, ABankFileThatFailsShowsItsCodeAndChangesNoMemory)
{
	Panel p;
	testsupport::TempFolder dir("tarvelle-presets");
	rivo::BankManager wrong_count(96);
	rivo::BankManager wrong_params(8);
	for (int i = 0; i < 96; ++i)
	{
		wrong_count.store(i, p.sound(0.1f));
	}
	for (int i = 0; i < 8; ++i)
	{
		ProgramSlot slot;
		slot.set_nbr_param(10);
		wrong_params.store(i, slot);
	}
	ASSERT_EQ(rivo::KtpbFileOp::save_bank((dir.get_path() + "/96.pbk").c_str(), wrong_count), 0);
	ASSERT_EQ(rivo::KtpbFileOp::save_bank((dir.get_path() + "/10.pbk").c_str(), wrong_params), 0);
	std::ofstream(dir.get_path() + "/magic.pbk") << "NOPE0000 and more bytes";
	std::ofstream(dir.get_path() + "/tiny.pbk") << "KTP";
	const std::vector<char> good = [&] {
		rivo::BankManager b(8);
		rivo::KtpbFileOp::save_bank((dir.get_path() + "/good.pbk").c_str(), b);
		return file_bytes(dir.get_path() + "/good.pbk");
	}();
	std::ofstream(dir.get_path() + "/cut.pbk", std::ios::binary).write(good.data(), long(good.size() / 2));

	const rivo::BankManager before = p.mgr.use_bank();
	const struct
	{
		const char *file;
		int code;
	} cases[] = {{"96.pbk", rivo::KtpbFileOp::Err_PROG_COUNT},
	             {"10.pbk", rivo::KtpbFileOp::Err_PARAM_COUNT},
	             {"magic.pbk", rivo::KtpbFileOp::Err_MAGIC},
	             {"tiny.pbk", rivo::KtpbFileOp::Err_READ_HEADER},
	             {"cut.pbk", rivo::KtpbFileOp::Err_SHORT_DATA}};
	for (const auto &c : cases)
	{
		const std::string path = dir.get_path() + "/" + c.file;
		p.bank_file(false, path);
		EXPECT_EQ(p.box_text(), "Error:Can't load bank file\n" + path + "\n\nCode " + std::to_string(c.code)) << c.file;
		p.dialog().key(DialogView::Key_ENTER);
		p.win.serve(p.clock.now());
		EXPECT_TRUE(p.mgr.use_bank() == before) << c.file;
	}
}

TEST(PresetManager, AMorphIsHeardAsAGlideFromOneLevelToTheOther)
{
	// Two memories that differ in the master volume; a second engine keeps the
	// first sound, so that the ratio of their outputs is the glide alone, free
	// of the phaser's own movement.
	Panel p;
	EngineFixture ref;
	ProgramSlot a = p.current();
	ProgramSlot b = a;
	a.set_parameter(Idx::MASTER_VOL, 0.3f);
	b.set_parameter(Idx::MASTER_VOL, 0.7f);
	p.fx.dsp.do_set_program(a);
	ref.dsp.do_set_program(a);
	p.mgr.use_bank().store(4, b);
	p.fader.set_val_user(std::log(1 + 1.0) / std::log(100.0), 200);  // 1 s
	const std::vector<float> tone = make_sine(4800, 2 * M_PI * 220 / 48000, 0.25);
	const auto rms = [&tone](EngineFixture &fx) {
		std::vector<float> l;
		std::vector<float> r;
		fx.render(tone, tone, l, r, 480);
		double sum = 0;
		for (size_t i = 2400; i < l.size(); ++i)
		{
			sum += double(l[i]) * l[i];
		}
		return std::sqrt(sum / double(l.size() - 2400));
	};
	p.fx.settle();
	ref.settle();
	EXPECT_NEAR(rms(p.fx) / rms(ref), 1.0, 1e-6) << "the same sound before the recall";
	p.press(4);
	std::vector<double> gains;
	for (int k = 0; k < 14; ++k)
	{
		p.run(0.1);
		gains.push_back(rms(p.fx) / rms(ref));
	}
	ASSERT_GT(gains.back(), 1.5) << "the two memories differ clearly";
	int between = 0;
	for (size_t k = 1; k < gains.size(); ++k)
	{
		EXPECT_GE(gains[k], gains[k - 1] * 0.9999) << "rising at step " << k;
		between += (gains[k] > 1.05 && gains[k] < gains.back() * 0.95) ? 1 : 0;
	}
	EXPECT_GE(between, 7) << "a glide over the second, not a jump";
	EXPECT_NEAR(gains[gains.size() - 1], gains[gains.size() - 2], 1e-6) << "at rest after the fade";
}

namespace
{

// The editor's host side as the plug-in gives it: programs through the
// adapter's arbitration, holds kept, each acquired parameter reported.
class AdapterHostGui : public RecordingHostGui
{
public:
	AdapterHostGui(rivo::DspInterface &dsp, rivo::PluginCmdInterface &plugin) : RecordingHostGui(dsp), _plugin(plugin)
	{
	}
	void set_program(const ProgramSlot &slot, int prio) override
	{
		_plugin.set_program_pi_and_host(slot, prio, false, true);
	}
	rivo::PluginCmdInterface &_plugin;
};

VstIntPtr silent_host(AEffect *, VstInt32, VstInt32, VstIntPtr, void *, float)
{
	return 0;
}

}  // namespace

TEST(PresetManager, AMorphHoldsItsParametersAgainstHostAutomationButNotAgainstAHostProgram)
{
	FakeClock clock;
	auto engine_ptr = std::make_unique<TarvelleDsp>();
	TarvelleDsp &dsp = *engine_ptr;
	rivo::BankManager bank = make_engine_bank(4);
	auto plugin = make_plugin(&silent_host, std::move(engine_ptr), bank);
	AdapterHostGui host(dsp, *plugin);
	StubGui gui(dsp, host);
	WindowOffscreen win(Coord2D(400, 100));
	CtrlGroupItem group;
	group.set_area(Rect(0, 0, 400, 100));
	win.set_ctrl_group_root(&group);
	PushButton buttons[8];
	ControlInterface *ctrls[8];
	for (int i = 0; i < 8; ++i)
	{
		buttons[i].set_box(Rect(0, 0, 20, 20));
		buttons[i].set_rel_coord(Coord2D(10 + 30 * i, 10));
		group.push_back(buttons[i]);
		ctrls[i] = &buttons[i];
	}
	FlipFlop mem;
	PushButton load;
	PushButton save;
	Fader fader;
	TextBox display;
	win.open(nullptr);
	PresetManager mgr;
	mgr.init(gui, nullptr, ctrls, mem, load, save, fader, display, nullptr);
	fader.set_val_user(std::log(1 + 2.0) / std::log(100.0), 200);  // 2 s
	ProgramSlot target;
	dsp.do_get_program(target);
	target.set_parameter(Idx::MASTER_VOL, 0.8f);
	mgr.use_bank().store(6, target);
	const float start = dsp.get_param_ref(Idx::MASTER_VOL)->get_nval();
	const auto run = [&](double seconds) {
		for (double t = 0; t < seconds - 1e-9; t += 0.01)
		{
			clock.advance(0.01);
			win.serve(clock.now());
		}
	};

	win.mouse_down(Coord2D(15 + 30 * 6, 15), MouseState_PRIMARY, 0, clock.now());
	win.mouse_up(Coord2D(15 + 30 * 6, 15), 0);
	run(0.5);
	AEffect *fx = plugin->getAeffect();
	fx->setParameter(fx, Idx::MASTER_VOL, 0.05f);
	const float during = fx->getParameter(fx, Idx::MASTER_VOL);
	EXPECT_NEAR(during, start + 0.25 * (0.8f - start), 2e-3) << "automation cannot take a morphing parameter";
	run(0.5);
	EXPECT_NEAR(fx->getParameter(fx, Idx::MASTER_VOL), start + 0.5 * (0.8f - start), 2e-3) << "the morph goes on";

	// The user holds the parameter with a knob (the editor's priority, 200):
	// the morph's steps leave it where the knob puts it.
	ASSERT_TRUE(plugin->reserve_param(Idx::MASTER_VOL, 200));
	ASSERT_TRUE(plugin->set_param_pi(Idx::MASTER_VOL, 0.1f, 200));
	run(0.3);
	EXPECT_FLOAT_EQ(fx->getParameter(fx, Idx::MASTER_VOL), 0.1f);
	plugin->release_param(Idx::MASTER_VOL, 200);

	// A program the host chooses outranks the morph.
	fx->dispatcher(fx, effSetProgram, 0, 2, nullptr, 0);
	EXPECT_EQ(fx->getParameter(fx, 3), bank[2].get_parameter(3));
	// The morph over and its holds run out, host automation takes the parameter again.
	run(2.0);
	fx->setParameter(fx, Idx::MASTER_VOL, 0.05f);
	EXPECT_FLOAT_EQ(fx->getParameter(fx, Idx::MASTER_VOL), 0.05f);
}

TEST(WebSiteJump, EveryPageGoesThroughTheJumpPageWithProductAndVersion)
{
	const rivo::WebSiteJump jump;
	const std::string base = std::string(rivo::WebSiteJump::SERVER) + "jump.php?type=product&productid=43&version=256";
	EXPECT_EQ(jump.get_url(rivo::WebSiteJumpInterface::Type_PRODUCT_INFO), base);
	EXPECT_EQ(jump.get_url(rivo::WebSiteJumpInterface::Type_UPDATES), base + "&action=update");
	EXPECT_EQ(jump.get_url(rivo::WebSiteJumpInterface::Type_PRESETS), base + "&action=preset");
	EXPECT_EQ(jump.get_url(rivo::WebSiteJumpInterface::Type_DOCUMENTATION), base + "&action=documentation");
}
