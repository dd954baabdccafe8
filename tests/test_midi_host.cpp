// The plug-in file built with its MIDI path, driven by a host: it asks for
// MIDI, says it sends and receives it, and an NRPN from the host moves the
// parameter of that number. The MIDI preferences go to a scratch folder.
#include "support/TempFolder.h"
#include "support/VstTestHost.h"

#include <cstdlib>
#include <cstddef>
#include <vector>

using namespace testsupport;

namespace
{

class MidiHost : public VstHost
{
protected:
	static void SetUpTestSuite()
	{
		static TempFolder settings("tarvelle-midi-host");
		setenv("XDG_CONFIG_HOME", settings.get_path().c_str(), 1);
		VstHost::SetUpTestSuite();
	}
};

}  // namespace

TEST_F(MidiHost, AnswersForMidiAndAnNrpnMovesItsParameter)
{
	char caps[][24] = {"sendVstMidiEvent", "sendVstEvents", "receiveVstMidiEvent", "receiveVstEvents"};
	for (auto &cap : caps)
	{
		EXPECT_EQ(dispatch(effCanDo, 0, 0, cap), 1) << cap;
	}
	// NRPN 7 ("Tone Y"), value 127 * 128 + 127.
	const unsigned char msgs[][3] = {{0xB0, 99, 0}, {0xB0, 98, 7}, {0xB0, 6, 127}, {0xB0, 38, 127}};
	std::vector<VstMidiEvent> ev(4);
	std::vector<unsigned char> block(offsetof(VstEvents, events) + 4 * sizeof(VstEvent *));
	auto **list = reinterpret_cast<VstEvent **>(block.data() + offsetof(VstEvents, events));
	for (size_t i = 0; i < 4; ++i)
	{
		ev[i].type = kVstMidiType;
		ev[i].byteSize = sizeof(VstMidiEvent);
		for (int k = 0; k < 3; ++k)
		{
			ev[i].midiData[k] = char(msgs[i][k]);
		}
		list[i] = reinterpret_cast<VstEvent *>(&ev[i]);
	}
	reinterpret_cast<VstEvents *>(block.data())->numEvents = 4;
	EXPECT_EQ(dispatch(effProcessEvents, 0, 0, block.data()), 1);
	EXPECT_FLOAT_EQ(effect->getParameter(effect, 7), 1.0f);
}
