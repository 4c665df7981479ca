#include "LameSettings.h"

#include <lame/lame.h>

#include "EncoderConfig.h"

namespace {
// Input rates libmp3lame resamples reliably.
constexpr std::uint32_t kMinInputRate = 8000;
constexpr std::uint32_t kMaxInputRate = 192000;
// The output rate the voice preset promises in its list text.
constexpr int kVoiceOutputRate = 32000;

void setCbr(lame_t flags, std::uint32_t kbps, int quality)
{
    lame_set_VBR(flags, vbr_off);
    lame_set_brate(flags, int(kbps));
    lame_set_quality(flags, quality);
}

void setAbr(lame_t flags, const EncoderConfig &config)
{
    lame_set_VBR(flags, vbr_abr);
    lame_set_VBR_mean_bitrate_kbps(flags, config.vbrAbrBps ? int(config.vbrAbrBps / 1000)
                                                           : int(config.bitrate));
}

// No preset: the record's own CBR or VBR settings.
void setFromFields(lame_t flags, const EncoderConfig &config)
{
    if (!config.enableVbr) {
        lame_set_VBR(flags, vbr_off);
        lame_set_brate(flags, int(config.bitrate));
        return;
    }
    constexpr std::int32_t kMethodOld = 1;
    constexpr std::int32_t kMethodAbr = 4;
    if (config.vbrMethod == kMethodAbr) {
        setAbr(flags, config);
    } else {
        lame_set_VBR(flags, config.vbrMethod == kMethodOld ? vbr_rh : vbr_default);
        lame_set_VBR_quality(flags, float(config.vbrQuality));
    }
    if (config.bitrate)
        lame_set_VBR_min_bitrate_kbps(flags, int(config.bitrate));
    if (config.maxBitrate)
        lame_set_VBR_max_bitrate_kbps(flags, int(config.maxBitrate));
}

// Preset code -> libmp3lame (lame command line in brackets; N = the record's Bitrate):
//  -1 none          the record's fields: CBR at N [-b N], or VBR when EnableVbr is set
//   0 normal        CBR at N, quality 3, the library default [-b N -q 3]
//   1 low           CBR at N, quality 7 [-b N -f]
//   2 high          CBR at N, quality 2 [-b N -h]
//   3 voice         VBR V5, 32 kHz output, as its list text promises [-V 5 --resample 32]
//   4 r3mix         R3MIX, VBR near V3 [--preset r3mix]
//   5 very high     CBR at N, quality 0, very slow [-b N -q 0]
//   6 standard      STANDARD, VBR V2 [--preset standard]
//   7 fast standard STANDARD_FAST [--preset fast standard]
//   8 extreme       EXTREME, VBR V0 [--preset extreme]
//   9 fast extreme  EXTREME_FAST [--preset fast extreme]
//  10 insane        INSANE, CBR 320 [--preset insane]
//  11 ABR           ABR at VbrAbrBps / 1000, or N when that is 0 [--abr N]
//  12 CBR           CBR at N [-b N]
//  13 medium        MEDIUM, VBR V4 [--preset medium]
//  14 fast medium   MEDIUM_FAST [--preset fast medium]
// Named presets set their own VBR mode; their return value is the effective preset, not a status.
bool applyPreset(lame_t flags, const EncoderConfig &config)
{
    using namespace BeConfig;
    switch (config.preset) {
    case PresetNone: setFromFields(flags, config); return true;
    case PresetNormal: setCbr(flags, config.bitrate, 3); return true;
    case PresetLow: setCbr(flags, config.bitrate, 7); return true;
    case PresetHigh: setCbr(flags, config.bitrate, 2); return true;
    case PresetVeryHigh: setCbr(flags, config.bitrate, 0); return true;
    case PresetCbr: setCbr(flags, config.bitrate, 3); return true;
    case PresetAbr: setAbr(flags, config); return true;
    case PresetVoice:
        lame_set_VBR(flags, vbr_default);
        lame_set_VBR_quality(flags, 5.0f);
        lame_set_out_samplerate(flags, kVoiceOutputRate);
        return true;
    case PresetR3mix: lame_set_preset(flags, R3MIX); return true;
    case PresetStandard: lame_set_preset(flags, STANDARD); return true;
    case PresetFastStandard: lame_set_preset(flags, STANDARD_FAST); return true;
    case PresetExtreme: lame_set_preset(flags, EXTREME); return true;
    case PresetFastExtreme: lame_set_preset(flags, EXTREME_FAST); return true;
    case PresetInsane: lame_set_preset(flags, INSANE); return true;
    case PresetMedium: lame_set_preset(flags, MEDIUM); return true;
    case PresetFastMedium: lame_set_preset(flags, MEDIUM_FAST); return true;
    default: return false;
    }
}

bool validRecord(const EncoderConfig &config)
{
    using namespace BeConfig;
    return config.sampleRate >= kMinInputRate && config.sampleRate <= kMaxInputRate &&
           config.mode >= ModeStereo && config.mode <= ModeMono && config.emphasis <= 3 &&
           config.vbrQuality >= 0 && config.vbrQuality <= 9;
}

MPEG_mode lameMode(std::int32_t mode)
{
    switch (mode) {
    case BeConfig::ModeStereo: return STEREO;
    case BeConfig::ModeDualChannel: return DUAL_CHANNEL;
    case BeConfig::ModeMono: return MONO;
    default: return JOINT_STEREO;
    }
}
} // namespace

BE_ERR applyEncoderConfig(lame_global_struct *flags, const EncoderConfig &config)
{
    if (!validRecord(config))
        return BE_ERR_INVALID_FORMAT_PARAMETERS;
    lame_set_in_samplerate(flags, int(config.sampleRate));
    lame_set_num_channels(flags, 2); // the input is always interleaved stereo; mono mode downmixes
    if (!applyPreset(flags, config))
        return BE_ERR_INVALID_FORMAT_PARAMETERS;
    if (config.resampleRate)
        lame_set_out_samplerate(flags, int(config.resampleRate));
    lame_set_mode(flags, lameMode(config.mode));
    lame_set_emphasis(flags, int(config.emphasis));
    lame_set_extension(flags, config.privateBit);
    lame_set_error_protection(flags, config.crc);
    lame_set_copyright(flags, config.copyright);
    lame_set_original(flags, config.original);
    lame_set_bWriteVbrTag(flags, config.writeVbrHeader);
    lame_set_disable_reservoir(flags, config.noReservoir);
    lame_set_strict_ISO(flags, config.strictIso);
    if (config.quality)
        lame_set_quality(flags, *config.quality);
    // The tag frame must stay the first frame of the file for beWriteInfoTag to find it.
    lame_set_write_id3tag_automatic(flags, 0);
    return lame_init_params(flags) < 0 ? BE_ERR_INVALID_FORMAT_PARAMETERS : BE_ERR_SUCCESSFUL;
}
