// The MIDI path through an adapter built with a MIDI receiver: controller,
// RPN and NRPN messages from the host set exactly the bound parameters,
// parameter changes go out as controller packets at the next block, the
// binding table in setting files, auto-bind, devices, the persistent
// preferences, and bad input.
#include "config/ConfKeyContentString.h"
#include "config/ConfKeyData.h"
#include "config/ConfKeyMulti.h"
#include "host/Vst2MidiOut.h"
#include "midi/MidiDevSelCompInterface.h"
#include "midi/MidiDevSelDispatcher.h"
#include "midi/MidiInInterface.h"
#include "config/SettingMgr.h"
#include "midi/MidiMgr.h"
#include "support/NoHostGui.h"
#include "support/InProcessPlugin.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <array>
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <thread>
#include <vector>

using namespace testsupport;
using rivo::MidiMgr;

namespace
{

using Packet = std::array<int, 3>;
std::vector<Packet> sent;  // what the plug-in sent the host, in order
int nbr_sends = 0;

VstIntPtr midi_host(AEffect *, VstInt32 op, VstInt32, VstIntPtr, void *ptr, float)
{
	if (op == audioMasterProcessEvents && ptr != nullptr)
	{
		++nbr_sends;
		const auto *events = static_cast<const VstEvents *>(ptr);
		const auto *list = reinterpret_cast<VstEvent *const *>(static_cast<const unsigned char *>(ptr) +
		                                                       offsetof(VstEvents, events));
		for (VstInt32 i = 0; i < events->numEvents; ++i)
		{
			const auto *e = reinterpret_cast<const VstMidiEvent *>(list[i]);
			sent.push_back({int(uint8_t(e->midiData[0])), int(uint8_t(e->midiData[1])), int(uint8_t(e->midiData[2]))});
		}
		return 1;
	}
	return (op == audioMasterVersion) ? 2400 : 0;
}

class Midi : public testing::Test
{
protected:
	void SetUp() override
	{
		setenv("XDG_CONFIG_HOME", folder.get_path().c_str(), 1);
		make(nullptr);
	}
	// A plug-in with a MIDI path; the preference file may be written first.
	void make(const char *nrpn_compatibility_0)
	{
		if (nrpn_compatibility_0 != nullptr)
		{
			rivo::PersistentMidiSettings s;
			s.init("Tarvelle");
			s.set_nrpn_compatibility(rivo::PersistentMidiSettings::NrpnCompatibility(std::atoi(nrpn_compatibility_0)));
		}
		plugin.reset();
		sent.clear();
		nbr_sends = 0;
		auto dsp = std::make_unique<TarvelleDsp>();
		rivo::MidiReceiverInterface &client = dsp->use_midi_client();
		plugin = make_plugin(&midi_host, std::move(dsp), make_engine_bank(2), nullptr, nullptr, &client);
		fx = plugin->getAeffect();
		plugin->resume();
		mgr = plugin->use_midi_interface();
		ASSERT_NE(mgr, nullptr);
		// The first program went out as NRPNs: past.
		block();
		sent.clear();
	}
	// One block of events from the host, each three bytes.
	void events(const std::vector<Packet> &list)
	{
		std::vector<VstMidiEvent> ev(list.size());
		std::vector<unsigned char> block(offsetof(VstEvents, events) + list.size() * sizeof(VstEvent *) + 16);
		auto *header = reinterpret_cast<VstEvents *>(block.data());
		auto **ptrs = reinterpret_cast<VstEvent **>(block.data() + offsetof(VstEvents, events));
		for (size_t i = 0; i < list.size(); ++i)
		{
			ev[i].type = kVstMidiType;
			ev[i].byteSize = sizeof(VstMidiEvent);
			for (int k = 0; k < 3; ++k)
			{
				ev[i].midiData[k] = char(list[i][size_t(k)]);
			}
			ptrs[i] = reinterpret_cast<VstEvent *>(&ev[i]);
		}
		header->numEvents = VstInt32(list.size());
		EXPECT_EQ(fx->dispatcher(fx, effProcessEvents, 0, 0, header, 0), 1);
	}
	// One audio block: the packets queued since the last one go out.
	void block()
	{
		std::vector<float> buf(4 * 64, 0.0f);
		float *in[2] = {&buf[0], &buf[64]};
		float *out[2] = {&buf[128], &buf[192]};
		fx->processReplacing(fx, in, out, 64);
	}
	float param(int i) const
	{
		return fx->getParameter(fx, i);
	}
	std::vector<float> all_params() const
	{
		std::vector<float> v;
		for (int i = 0; i < fx->numParams; ++i)
		{
			v.push_back(param(i));
		}
		return v;
	}

	TempFolder folder{"tarvelle-midi"};
	std::unique_ptr<rivo::Vst2LinuxPlugin> plugin;
	AEffect *fx = nullptr;
	MidiMgr *mgr = nullptr;
};

}  // namespace

TEST_F(Midi, TheHostSeesAMidiPathAndItsDevicesAreSelected)
{
	char caps[][24] = {"sendVstMidiEvent", "sendVstEvents", "receiveVstMidiEvent", "receiveVstEvents"};
	for (auto &cap : caps)
	{
		EXPECT_EQ(fx->dispatcher(fx, effCanDo, 0, 0, cap, 0), 1) << cap;
	}
	rivo::MidiDevSelDispatcher &sel = *plugin->use_midi_dev_sel();
	ASSERT_GE(sel.get_nbr_dev_in(), 1);
	EXPECT_EQ(sel.get_dev_in_prop(0)._name, "VST MIDI In interface");
	EXPECT_EQ(sel.get_dev_out_prop(0)._name, "VST MIDI Out interface");
	EXPECT_EQ(sel.get_dev_in_cur_id(), 0);
	EXPECT_EQ(sel.get_dev_out_cur_id(), 0);
	EXPECT_EQ(sel.select_dev_in(std::string("no such port")), 0);
	EXPECT_EQ(sel.get_dev_in_cur_id(), -1);
	const std::vector<float> before = all_params();
	events({{0xB0, 7, 100}});
	EXPECT_EQ(all_params(), before) << "no input selected: events are ignored";
	EXPECT_EQ(sel.select_dev_in(std::string("vst midi in interface")), 0) << "names ignore case";
	EXPECT_EQ(sel.get_dev_in_cur_id(), 0);
}

TEST_F(Midi, AControlChangeSetsOnlyItsBoundParameterAndNeverReachesOne)
{
	const std::vector<float> before = all_params();
	events({{0xB0, 7, 127}});
	EXPECT_EQ(all_params(), before) << "CC 7 is bound to nothing";
	mgr->associate_param(5, MidiMgr::encode_ctrl_id(7, 0));
	events({{0xB3, 7, 127}});
	EXPECT_FLOAT_EQ(param(5), 16256.0f / 16383.0f);
	events({{0xB0, 7, 0}});
	EXPECT_EQ(param(5), 0.0f);
	std::vector<float> after = all_params();
	after[5] = before[5];
	EXPECT_EQ(after, before) << "nothing else moved";
}

TEST_F(Midi, NrpnDataEntryDrivesParametersByDefaultInBothNumberOrders)
{
	// NRPN 3, then its value 64 * 128 + 1 = 8193 in two steps.
	events({{0xB0, 99, 0}, {0xB0, 98, 3}, {0xB0, 6, 64}});
	EXPECT_FLOAT_EQ(param(3), 8192.0f / 16383.0f);
	events({{0xB0, 38, 1}});
	EXPECT_FLOAT_EQ(param(3), 8193.0f / 16383.0f);

	// The old swapped numbering, kept in the preferences across a restart.
	make("0");
	ASSERT_EQ(mgr->use_persistent_midi_settings().get_nrpn_compatibility(), 0);
	events({{0xB0, 99, 3}, {0xB0, 98, 0}, {0xB0, 6, 127}, {0xB0, 38, 127}});
	EXPECT_FLOAT_EQ(param(3), 1.0f);
	make(nullptr);
	EXPECT_EQ(mgr->use_persistent_midi_settings().get_nrpn_compatibility(), 0) << "kept";
}

TEST_F(Midi, BindingMovesAControllerAndAParameterHasOneController)
{
	mgr->clear_mapping();
	const long cc10 = MidiMgr::encode_ctrl_id(10, 0);
	mgr->associate_param(5, cc10);
	mgr->associate_param(2, cc10);
	int p = 0;
	float n = 0;
	mgr->map_cc_2_param(cc10, 16383, p, n);
	EXPECT_EQ(p, 2);
	long id = 0;
	int v = 0;
	EXPECT_FALSE(mgr->map_param_2_cc(5, 1, id, v)) << "parameter 5 lost CC 10";
	mgr->associate_param(2, MidiMgr::encode_ctrl_id(11, 0));
	mgr->map_cc_2_param(cc10, 0, p, n);
	EXPECT_EQ(p, -1) << "CC 10 is free again";
}

TEST_F(Midi, ParameterChangesGoOutAtTheNextBlockAsControllerPackets)
{
	mgr->clear_mapping();
	mgr->associate_param(1, MidiMgr::encode_ctrl_id(7, 0));
	mgr->associate_param(2, MidiMgr::encode_ctrl_id(40, 0));
	mgr->associate_param(3, MidiMgr::KIND_NRPN, 200);
	plugin->set_param_pi_and_host(1, 1.0f, 200);
	plugin->set_param_pi_and_host(2, 1.0f, 200);
	plugin->set_param_pi_and_host(3, 8193.0f / 16383.0f, 200);
	EXPECT_TRUE(sent.empty()) << "not before the block";
	block();
	const std::vector<Packet> expected = {{0xB0, 7, 127}, {0xB0, 39, 127}, {0xB0, 40, 127}, {0xB0, 99, 1},
	                                      {0xB0, 98, 72}, {0xB0, 6, 64},   {0xB0, 38, 1}};
	EXPECT_EQ(sent, expected);
	// A program change in packets, as the device sends it.
	sent.clear();
	MidiMgr &m = *mgr;
	m.do_send_midi_program_change(2, 5);
	block();
	EXPECT_EQ(sent, (std::vector<Packet>{{0xB2, 0, 0}, {0xB2, 32, 0}, {0xC2, 5, 0}}));
	// Program 300 is number 44 of bank 2: the bank's low bits in controller 32.
	sent.clear();
	m.do_send_midi_program_change(2, 300);
	block();
	EXPECT_EQ(sent, (std::vector<Packet>{{0xB2, 0, 0}, {0xB2, 32, 2}, {0xC2, 44, 0}}));
	// MIDI changes are not echoed out.
	sent.clear();
	events({{0xB0, 7, 3}});
	block();
	EXPECT_TRUE(sent.empty());
}

TEST_F(Midi, AThousandChangesInOneBlockSendTheFirst1024PacketsAndCountTheRest)
{
	mgr->clear_mapping();
	mgr->associate_param(1, MidiMgr::encode_ctrl_id(40, 0));  // one packet a change
	for (int i = 0; i < 1025; ++i)
	{
		plugin->set_param_pi_and_host(1, float(i % 128) / 127.0f, 200);
	}
	block();
	ASSERT_EQ(sent.size(), 1024u);
	EXPECT_EQ(sent[1023][1], 40);
	auto *out = dynamic_cast<rivo::Vst2MidiOut *>(mgr->get_output_device());
	ASSERT_NE(out, nullptr);
	EXPECT_EQ(out->get_nbr_dropped(), 1);
	sent.clear();
	block();
	EXPECT_TRUE(sent.empty()) << "the dropped packet is gone, not late";
}

TEST_F(Midi, BadInputChangesNothingItShouldNot)
{
	const std::vector<float> before = all_params();
	// Data bytes without a status (running status is not kept), system
	// messages, data entry before any number is selected (RPN 0, the bend
	// range, bound to nothing), controllers beyond 127 masked to 7 bits.
	events({{0x07, 100, 0}, {0xF8, 0, 0}, {0xF0, 1, 2}, {0xB0, 6, 10}, {0xB0, 38, 10}, {0xB0, 0x87, 0x90}});
	EXPECT_EQ(all_params(), before);
	// NRPN 16383 is bound to nothing.
	events({{0xB0, 99, 127}, {0xB0, 98, 127}, {0xB0, 6, 64}});
	EXPECT_EQ(all_params(), before);
	// A thousand events in one block, every channel.
	std::vector<Packet> many;
	for (int i = 0; i < 1000; ++i)
	{
		many.push_back({0xB0 | (i & 15), 7, i & 127});
	}
	events(many);
	EXPECT_EQ(all_params(), before);
	EXPECT_EQ(fx->dispatcher(fx, effProcessEvents, 0, 0, nullptr, 0), 1);
}

TEST_F(Midi, AutoBindBindsTheNextControllerToTheTargetButNeverAnNrpn)
{
	ASSERT_EQ(mgr->use_persistent_midi_settings().set_autobind_mode(rivo::PersistentMidiSettings::AutobindMode_ONE_SHOT),
	          0);
	mgr->set_autobind_param(4);
	events({{0xB0, 99, 0}, {0xB0, 98, 9}, {0xB0, 6, 1}});
	int p = -1;
	long id = 0;
	EXPECT_FALSE(mgr->get_latest_autobind_info(p, id)) << "an NRPN does not bind";
	events({{0xB1, 21, 127}});
	ASSERT_TRUE(mgr->get_latest_autobind_info(p, id));
	EXPECT_EQ(p, 4);
	EXPECT_EQ(id, MidiMgr::encode_ctrl_id(21, 0));
	EXPECT_EQ(mgr->get_autobind_param(), -1) << "one binding per arming";
	EXPECT_FLOAT_EQ(param(4), 16256.0f / 16383.0f) << "the same message already moves it";
	events({{0xB1, 22, 0}});
	EXPECT_FLOAT_EQ(param(4), 16256.0f / 16383.0f) << "disarmed";
}

TEST_F(Midi, TheTableGoesIntoSettingsSortedByParameterAndComesBack)
{
	mgr->clear_mapping();
	mgr->associate_param(2, MidiMgr::encode_ctrl_id(7, 0));
	mgr->associate_param(0, MidiMgr::KIND_NRPN, 0);
	basic::ConfKeyMulti root("root");
	ASSERT_EQ(mgr->save_settings(root), 0);
	const auto &midi = dynamic_cast<const basic::ConfKeyMulti &>(root.use_key("midi"));
	const auto &map = dynamic_cast<const basic::ConfKeyMulti &>(midi.use_key("control_map"));
	ASSERT_EQ(map.get_nbr_keys(), 2);
	EXPECT_EQ(map.use_key(0).get_name(), "id_0");
	EXPECT_EQ(map.get_key_str("id_0"), "nrpn_0");
	EXPECT_EQ(map.use_key(1).get_name(), "id_2");
	EXPECT_EQ(map.get_key_str("id_2"), "cc_7");
	EXPECT_EQ(midi.get_key_str("port_in/name"), "VST MIDI In interface");

	// Case-insensitive prefixes; undecodable entries are skipped, the rest load.
	basic::ConfKeyMulti in_root("root");
	basic::ConfKeyMulti in_midi("midi");
	basic::ConfKeyMulti in_map("control_map");
	in_map.push_back(basic::ConfKeyData("id_x", "cc_1"));
	in_map.push_back(basic::ConfKeyData("id_1", "pc_7"));
	in_map.push_back(basic::ConfKeyData("ID_3", "CC_7"));
	in_midi.push_back(in_map);
	basic::ConfKeyMulti port("port_out");
	port.push_back(basic::ConfKeyData("name", "a port long gone"));
	in_midi.push_back(port);
	in_root.push_back(in_midi);
	ASSERT_EQ(mgr->load_settings(in_root), 0);
	int p = 0;
	float n = 0;
	mgr->map_cc_2_param(MidiMgr::encode_ctrl_id(7, 0), 0, p, n);
	EXPECT_EQ(p, 3);
	EXPECT_EQ(plugin->use_midi_dev_sel()->get_dev_out_cur_id(), -1) << "that device is no longer offered";

	// A table that is not a list of keys is refused with its code.
	basic::ConfKeyMulti bad_root("root");
	basic::ConfKeyMulti bad_midi("midi");
	bad_midi.push_back(basic::ConfKeyData("control_map", "cc_7"));
	bad_root.push_back(bad_midi);
	EXPECT_EQ(mgr->load_settings(bad_root), MidiMgr::ERR_BAD_KEY_TYPE);
}

TEST_F(Midi, TheBuiltInDevicesAreOfferedOnlyWhereASequencerExists)
{
	rivo::MidiDevSelDispatcher &sel = *plugin->use_midi_dev_sel();
	if (access("/dev/snd/seq", R_OK | W_OK) != 0)
	{
		// Absent, and asking for them by name selects nothing, safely.
		EXPECT_EQ(sel.get_nbr_dev_in(), 1);
		EXPECT_EQ(sel.get_nbr_dev_out(), 1);
		EXPECT_EQ(sel.select_dev_in(std::string("built-in MIDI In interface")), 0);
		EXPECT_EQ(sel.get_dev_in_cur_id(), -1);
		GTEST_SKIP() << "no /dev/snd/seq on this machine: the ALSA ports are not tried";
	}
	ASSERT_EQ(sel.get_nbr_dev_in(), 2);
	EXPECT_EQ(sel.get_dev_in_prop(1)._name, "built-in MIDI In interface");
	EXPECT_EQ(sel.get_dev_out_prop(1)._name, "built-in MIDI Out interface");
	ASSERT_EQ(sel.select_dev_in(1), 0);
	ASSERT_EQ(sel.select_dev_out(1), 0);
	EXPECT_EQ(sel.get_dev_in_cur_id(), 1);
	const std::vector<float> before = all_params();
	events({{0xB0, 99, 0}, {0xB0, 98, 3}, {0xB0, 6, 64}});
	EXPECT_EQ(all_params(), before) << "the host's input is no longer selected";
	block();
	ASSERT_EQ(sel.select_dev_in(0), 0);
	ASSERT_EQ(sel.select_dev_out(0), 0);
	EXPECT_EQ(sel.get_dev_in_cur_id(), 0);
}

TEST_F(Midi, TheTableGoesToASettingFileAndComesBackFromIt)
{
	mgr->clear_mapping();
	mgr->associate_param(9, MidiMgr::encode_ctrl_id(74, 0));
	mgr->associate_param(3, MidiMgr::KIND_RPN, 5);
	NoHostGui host_gui;
	rivo::SettingMgr settings;
	ASSERT_EQ(settings.init(plugin->use_dsp(), host_gui), 0);
	ASSERT_EQ(settings.register_client(*mgr), 0);
	const std::string path = folder.get_path() + "/bindings.cfg.txt";
	ASSERT_EQ(settings.save_settings(path), 0);
	mgr->clear_mapping();
	ASSERT_EQ(settings.load_settings(path), 0);
	int p = -1;
	float n = 0;
	mgr->map_cc_2_param(MidiMgr::encode_ctrl_id(74, 0), 16383, p, n);
	EXPECT_EQ(p, 9);
	EXPECT_FLOAT_EQ(n, 1.0f);
	mgr->map_cc_2_param(MidiMgr::encode_ctrl_id(MidiMgr::KIND_RPN, 5), 0, p, n);
	EXPECT_EQ(p, 3);
}

TEST_F(Midi, DevicesChangeWhileTheAudioThreadRuns)
{
	rivo::MidiDevSelDispatcher &sel = *plugin->use_midi_dev_sel();
	std::atomic<bool> stop{false};
	std::thread audio([&] {
		while (!stop.load())
		{
			block();
		}
	});
	for (int i = 0; i < 200; ++i)
	{
		ASSERT_EQ(sel.select_default_dev(i % 2 == 0), 0);
		plugin->set_param_pi_and_host(3, float(i % 10) / 10.0f, 200);
	}
	stop.store(true);
	audio.join();
	EXPECT_EQ(sel.get_dev_in_cur_id(), -1);
}

TEST_F(Midi, AControllerBoundToAnNrpnBeyondTheStoredOnesStillGetsItsValue)
{
	mgr->associate_param(6, MidiMgr::KIND_NRPN, 300);
	mgr->associate_param(8, MidiMgr::KIND_RPN, 5);
	events({{0xB0, 99, 2}, {0xB0, 98, 44}, {0xB0, 6, 100}, {0xB0, 38, 5}});
	EXPECT_FLOAT_EQ(param(6), (100.0f * 128 + 5) / 16383.0f);
	events({{0xB0, 101, 0}, {0xB0, 100, 5}, {0xB0, 6, 64}});
	EXPECT_FLOAT_EQ(param(8), 8192.0f / 16383.0f);
	// In a setting file, the data-entry and number controllers are no
	// controllers of their own.
	int kind = 0;
	int number = 0;
	EXPECT_EQ(MidiMgr::decode_ctrl_key("cc_99", kind, number), -2);
	EXPECT_EQ(MidiMgr::decode_ctrl_key("cc_6", kind, number), -2);
	EXPECT_EQ(MidiMgr::decode_ctrl_key("cc_128", kind, number), -2);
	EXPECT_EQ(MidiMgr::decode_ctrl_key("cc_74", kind, number), 0);
	EXPECT_EQ(kind, 74);
}

TEST_F(Midi, AnNrpnGoesOutWholeOrNotAtAll)
{
	// Far more messages than the queue holds: whole ones wait for the next
	// blocks, one is dropped whole; no number goes out without its value.
	mgr->clear_mapping();
	mgr->associate_param(3, MidiMgr::KIND_NRPN, 3);
	for (int i = 0; i < 1025; ++i)
	{
		plugin->set_param_pi_and_host(3, float(i % 100) / 100.0f, 200);
	}
	for (int b = 0; b < 6; ++b)
	{
		block();
	}
	ASSERT_EQ(sent.size(), 1024u * 4);
	for (size_t i = 0; i < sent.size(); i += 4)
	{
		ASSERT_EQ(sent[i][1], 99) << i;
		ASSERT_EQ(sent[i + 1][1], 98) << i;
		ASSERT_EQ(sent[i + 2][1], 6) << i;
		ASSERT_EQ(sent[i + 3][1], 38) << i;
	}
	EXPECT_EQ(dynamic_cast<rivo::Vst2MidiOut *>(mgr->get_output_device())->get_nbr_dropped(), 1);
	EXPECT_LE(nbr_sends, 6 + 1) << "at most 1024 events a block";
}

namespace
{

// A device made when selected and deleted when another is: its block work
// writes into its own memory, so a use after deletion shows.
class HeapIn : public rivo::MidiInInterface
{
public:
	int connect() override
	{
		return 0;
	}
	int disconnect() override
	{
		return 0;
	}
	void process_pre() override
	{
		++_blocks;
	}
	void process_post() override
	{
		--_blocks;
	}
	std::vector<int> _pad = std::vector<int>(64, 0);
	long _blocks = 0;

protected:
	void do_reset_time_stamp(long) override {}
};

class HeapComp : public rivo::MidiDevSelCompInterface
{
public:
	int init() override
	{
		return 0;
	}

protected:
	int do_scan_dev_in(int) override
	{
		use_dispatcher()->add_dev_in({"heap in", false});
		return 0;
	}
	int do_scan_dev_out(int) override
	{
		return 0;
	}
	int do_select_dev_in(int, rivo::MidiInInterface *&dev_ptr) override
	{
		_dev = std::make_unique<HeapIn>();
		dev_ptr = _dev.get();
		return 0;
	}
	int do_select_dev_out(int, rivo::MidiOutInterface *&) override
	{
		return 0;
	}
	int do_remove_dev_in() override
	{
		_dev.reset();
		return 0;
	}
	int do_remove_dev_out() override
	{
		return 0;
	}

private:
	std::unique_ptr<HeapIn> _dev;
};

}  // namespace

TEST_F(Midi, ADeviceDeletedOnSelectionIsNoLongerUsedByTheAudioThread)
{
	rivo::MidiDevSelDispatcher &sel = *plugin->use_midi_dev_sel();
	HeapComp comp;
	sel.register_dev_list(comp);
	ASSERT_EQ(comp.scan_dev_in(sel.get_nbr_dev_in()), 0);
	const int heap_id = comp.get_start_id_in();
	std::atomic<bool> stop{false};
	std::thread audio([&] {
		while (!stop.load())
		{
			block();
		}
	});
	for (int i = 0; i < 300; ++i)
	{
		// Each selection deletes the heap device made by the one before.
		ASSERT_EQ(sel.select_dev_in((i % 2 == 0) ? heap_id : 0), 0);
	}
	stop.store(true);
	audio.join();
	ASSERT_EQ(sel.select_dev_in(0), 0);
	sel.unregister_dev_list(comp);
}
