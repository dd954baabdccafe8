// The VST 2 plug-in interface as hosts on 64-bit Linux lay it out: the effect
// record, the callback signatures, opcodes, flags and the exchanged structures.
// Written from the published layout; sizes and offsets are checked below.
#pragma once

#include <cstddef>
#include <cstdint>

using VstInt16 = std::int16_t;
using VstInt32 = std::int32_t;
using VstIntPtr = std::intptr_t;  // pointer-sized: 64 bits in 64-bit hosts

struct AEffect;

extern "C"
{
	using audioMasterCallback = VstIntPtr (*)(AEffect *effect, VstInt32 opcode, VstInt32 index, VstIntPtr value,
	                                          void *ptr, float opt);
	using AEffectDispatcherProc = VstIntPtr (*)(AEffect *effect, VstInt32 opcode, VstInt32 index, VstIntPtr value,
	                                            void *ptr, float opt);
	using AEffectProcessProc = void (*)(AEffect *effect, float **inputs, float **outputs, VstInt32 sample_frames);
	using AEffectProcessDoubleProc = void (*)(AEffect *effect, double **inputs, double **outputs,
	                                          VstInt32 sample_frames);
	using AEffectSetParameterProc = void (*)(AEffect *effect, VstInt32 index, float parameter);
	using AEffectGetParameterProc = float (*)(AEffect *effect, VstInt32 index);
}

constexpr VstInt32 kEffectMagic = 0x56737450;  // 'VstP'

struct AEffect
{
	VstInt32 magic;
	AEffectDispatcherProc dispatcher;
	AEffectProcessProc process;  // accumulating
	AEffectSetParameterProc setParameter;
	AEffectGetParameterProc getParameter;
	VstInt32 numPrograms;
	VstInt32 numParams;
	VstInt32 numInputs;
	VstInt32 numOutputs;
	VstInt32 flags;
	VstIntPtr resvd1;
	VstIntPtr resvd2;
	VstInt32 initialDelay;
	VstInt32 realQualities;
	VstInt32 offQualities;
	float ioRatio;
	void *object;  // the plug-in's own object
	void *user;    // the host's
	VstInt32 uniqueID;
	VstInt32 version;
	AEffectProcessProc processReplacing;
	AEffectProcessDoubleProc processDoubleReplacing;
	char future[56];
};

enum VstAEffectFlags : VstInt32
{
	effFlagsHasEditor = 1 << 0,
	effFlagsCanReplacing = 1 << 4,
	effFlagsProgramChunks = 1 << 5,
	effFlagsIsSynth = 1 << 8,
	effFlagsNoSoundInStop = 1 << 9,
	effFlagsCanDoubleReplacing = 1 << 12
};

// Host to plug-in.
enum AEffectOpcodes : VstInt32
{
	effOpen = 0,
	effClose,
	effSetProgram,
	effGetProgram,
	effSetProgramName,
	effGetProgramName,
	effGetParamLabel,
	effGetParamDisplay,
	effGetParamName,
	effGetVu,
	effSetSampleRate,
	effSetBlockSize,
	effMainsChanged,
	effEditGetRect,
	effEditOpen,
	effEditClose,
	effEditDraw,
	effEditMouse,
	effEditKey,
	effEditIdle,
	effEditTop,
	effEditSleep,
	effIdentify,
	effGetChunk,
	effSetChunk,
	effProcessEvents,
	effCanBeAutomated,
	effString2Parameter,
	effGetNumProgramCategories,
	effGetProgramNameIndexed,
	effCopyProgram,
	effConnectInput,
	effConnectOutput,
	effGetInputProperties,
	effGetOutputProperties,
	effGetPlugCategory,
	effGetCurrentPosition,
	effGetDestinationBuffer,
	effOfflineNotify,
	effOfflinePrepare,
	effOfflineRun,
	effProcessVarIo,
	effSetSpeakerArrangement,
	effSetBlockSizeAndSampleRate,
	effSetBypass,
	effGetEffectName,
	effGetErrorText,
	effGetVendorString,
	effGetProductString,
	effGetVendorVersion,
	effVendorSpecific,
	effCanDo,
	effGetTailSize,
	effIdle,
	effGetIcon,
	effSetViewPosition,
	effGetParameterProperties,
	effKeysRequired,
	effGetVstVersion,
	effEditKeyDown,
	effEditKeyUp,
	effSetEditKnobMode
};

// Plug-in to host, through the callback.
enum AudioMasterOpcodes : VstInt32
{
	audioMasterAutomate = 0,
	audioMasterVersion = 1,
	audioMasterCurrentId = 2,
	audioMasterIdle = 3,
	audioMasterPinConnected = 4,
	audioMasterWantMidi = 6,
	audioMasterGetTime = 7,
	audioMasterProcessEvents = 8,
	audioMasterGetNumAutomatableParameters = 11,
	audioMasterGetParameterQuantization = 12,
	audioMasterIOChanged = 13,
	audioMasterSizeWindow = 15,
	audioMasterGetSampleRate = 16,
	audioMasterGetBlockSize = 17,
	audioMasterGetVendorString = 32,
	audioMasterGetProductString = 33,
	audioMasterGetVendorVersion = 34,
	audioMasterCanDo = 37,
	audioMasterGetDirectory = 41,
	audioMasterUpdateDisplay = 42,
	audioMasterBeginEdit = 43,
	audioMasterEndEdit = 44
};

enum VstPlugCategory : VstInt32
{
	kPlugCategUnknown = 0,
	kPlugCategEffect,
	kPlugCategSynth,
	kPlugCategAnalysis,
	kPlugCategMastering,
	kPlugCategSpacializer,
	kPlugCategRoomFx,
	kPlugSurroundFx,
	kPlugCategRestoration,
	kPlugCategOfflineProcess,
	kPlugCategShell,
	kPlugCategGenerator
};

// Text bounds of the exchanged strings, terminator included.
enum VstStringConstants
{
	kVstMaxProgNameLen = 24,
	kVstMaxParamStrLen = 8,
	kVstMaxVendorStrLen = 64,
	kVstMaxProductStrLen = 64,
	kVstMaxEffectNameLen = 32,
	kVstMaxLabelLen = 64,
	kVstMaxShortLabelLen = 8,
	kVstMaxCategLabelLen = 24
};

struct VstTimeInfo
{
	double samplePos;
	double sampleRate;
	double nanoSeconds;
	double ppqPos;
	double tempo;  // BPM
	double barStartPos;
	double cycleStartPos;
	double cycleEndPos;
	VstInt32 timeSigNumerator;
	VstInt32 timeSigDenominator;
	VstInt32 smpteOffset;
	VstInt32 smpteFrameRate;
	VstInt32 samplesToNextClock;
	VstInt32 flags;
};

enum VstTimeInfoFlags : VstInt32
{
	kVstTransportChanged = 1,
	kVstTransportPlaying = 1 << 1,
	kVstTransportCycleActive = 1 << 2,
	kVstTransportRecording = 1 << 3,
	kVstAutomationWriting = 1 << 6,
	kVstAutomationReading = 1 << 7,
	kVstNanosValid = 1 << 8,
	kVstPpqPosValid = 1 << 9,
	kVstTempoValid = 1 << 10,
	kVstBarsValid = 1 << 11,
	kVstCyclePosValid = 1 << 12,
	kVstTimeSigValid = 1 << 13,
	kVstSmpteValid = 1 << 14,
	kVstClockValid = 1 << 15
};

struct ERect
{
	VstInt16 top;
	VstInt16 left;
	VstInt16 bottom;
	VstInt16 right;
};

struct VstEvent
{
	VstInt32 type;
	VstInt32 byteSize;
	VstInt32 deltaFrames;
	VstInt32 flags;
	char data[16];
};

enum VstEventTypes : VstInt32
{
	kVstMidiType = 1,
	kVstSysExType = 6
};

struct VstMidiEvent
{
	VstInt32 type;
	VstInt32 byteSize;
	VstInt32 deltaFrames;
	VstInt32 flags;
	VstInt32 noteLength;
	VstInt32 noteOffset;
	char midiData[4];
	char detune;
	char noteOffVelocity;
	char reserved1;
	char reserved2;
};

struct VstEvents
{
	VstInt32 numEvents;
	VstIntPtr reserved;
	VstEvent *events[2];  // numEvents in fact
};

struct VstPinProperties
{
	char label[kVstMaxLabelLen];
	VstInt32 flags;
	VstInt32 arrangementType;
	char shortLabel[kVstMaxShortLabelLen];
	char future[48];
};

enum VstPinPropertiesFlags : VstInt32
{
	kVstPinIsActive = 1,
	kVstPinIsStereo = 1 << 1,
	kVstPinUseSpeaker = 1 << 2
};

struct VstParameterProperties
{
	float stepFloat;
	float smallStepFloat;
	float largeStepFloat;
	char label[kVstMaxLabelLen];
	VstInt32 flags;
	VstInt32 minInteger;
	VstInt32 maxInteger;
	VstInt32 stepInteger;
	VstInt32 largeStepInteger;
	char shortLabel[kVstMaxShortLabelLen];
	VstInt16 displayIndex;
	VstInt16 category;
	VstInt16 numParametersInCategory;
	VstInt16 reserved;
	char categoryLabel[kVstMaxCategLabelLen];
	char future[16];
};

enum VstParameterFlags : VstInt32
{
	kVstParameterIsSwitch = 1,
	kVstParameterUsesIntegerMinMax = 1 << 1,
	kVstParameterUsesFloatStep = 1 << 2,
	kVstParameterUsesIntStep = 1 << 3,
	kVstParameterSupportsDisplayIndex = 1 << 4,
	kVstParameterSupportsDisplayCategory = 1 << 5,
	kVstParameterCanRamp = 1 << 6
};

// The layout hosts expect on x86_64.
static_assert(sizeof(VstIntPtr) == sizeof(void *), "pointer-sized integers");
static_assert(offsetof(AEffect, dispatcher) == 8, "AEffect layout");
static_assert(offsetof(AEffect, numPrograms) == 40, "AEffect layout");
static_assert(offsetof(AEffect, flags) == 56, "AEffect layout");
static_assert(offsetof(AEffect, resvd1) == 64, "AEffect layout");
static_assert(offsetof(AEffect, ioRatio) == 92, "AEffect layout");
static_assert(offsetof(AEffect, object) == 96, "AEffect layout");
static_assert(offsetof(AEffect, uniqueID) == 112, "AEffect layout");
static_assert(offsetof(AEffect, processReplacing) == 120, "AEffect layout");
static_assert(offsetof(AEffect, future) == 136, "AEffect layout");
static_assert(sizeof(AEffect) == 192, "AEffect size");
static_assert(offsetof(VstTimeInfo, tempo) == 32, "VstTimeInfo layout");
static_assert(offsetof(VstTimeInfo, flags) == 84, "VstTimeInfo layout");
static_assert(sizeof(VstTimeInfo) == 88, "VstTimeInfo size");
static_assert(sizeof(ERect) == 8, "ERect size");
static_assert(sizeof(VstEvent) == 32 && sizeof(VstMidiEvent) == 32, "event sizes");
static_assert(offsetof(VstMidiEvent, midiData) == 24, "VstMidiEvent layout");
static_assert(offsetof(VstEvents, events) == 16 && sizeof(VstEvents) == 32, "VstEvents layout");
static_assert(offsetof(VstPinProperties, flags) == 64 && sizeof(VstPinProperties) == 128, "VstPinProperties layout");
static_assert(offsetof(VstParameterProperties, flags) == 76, "VstParameterProperties layout");
static_assert(offsetof(VstParameterProperties, displayIndex) == 104, "VstParameterProperties layout");
static_assert(offsetof(VstParameterProperties, categoryLabel) == 112, "VstParameterProperties layout");
static_assert(sizeof(VstParameterProperties) == 152, "VstParameterProperties size");
