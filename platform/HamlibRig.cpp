#include "platform/HamlibRig.h"

#include <hamlib/rig.h>

#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstdarg>
#include <cstdlib>
#include <mutex>

namespace brivant {

namespace {

// hamlib writes its tracing to standard error whatever the level says; the
// program's own diagnostics say what matters.
int quietTrace(enum rig_debug_level_e, rig_ptr_t, const char*, va_list) { return 0; }

int addModel(const rig_caps* caps, rig_ptr_t data) {
  auto* models = static_cast<std::vector<HamlibModel>*>(data);
  HamlibModel model;
  model.id = static_cast<int>(caps->rig_model);
  model.maker = caps->mfg_name != nullptr ? caps->mfg_name : "";
  model.name = caps->model_name != nullptr ? caps->model_name : "";
  model.network = caps->port_type == RIG_PORT_NETWORK || caps->port_type == RIG_PORT_UDP_NETWORK;
  model.needsPort = caps->port_type != RIG_PORT_NONE;
  model.fastestBaud = caps->port_type == RIG_PORT_SERIAL ? caps->serial_rate_max : 0;
  models->push_back(std::move(model));
  return 1;  // go on
}

// hamlib's backends are registered once, before any radio is made, and the
// list of models is read then: both touch hamlib's global tables.
const std::vector<HamlibModel>& loadedModels() {
  static std::once_flag once;
  static std::vector<HamlibModel> models;
  std::call_once(once, [] {
    rig_set_debug(RIG_DEBUG_NONE);
    rig_set_debug_callback(quietTrace, nullptr);
    rig_load_all_backends();
    rig_list_foreach(addModel, &models);
    std::sort(models.begin(), models.end(), [](const HamlibModel& a, const HamlibModel& b) {
      return std::tie(a.maker, a.name, a.id) < std::tie(b.maker, b.name, b.id);
    });
  });
  return models;
}

rmode_t hamlibMode(RigMode mode) {
  switch (mode) {
    case RigMode::Lsb:
      return RIG_MODE_LSB;
    case RigMode::Usb:
      return RIG_MODE_USB;
    case RigMode::Cw:
      return RIG_MODE_CW;
    case RigMode::Other:
      break;
  }
  return RIG_MODE_NONE;
}

RigMode rigModeOf(rmode_t mode) {
  if (mode == RIG_MODE_LSB) return RigMode::Lsb;
  if (mode == RIG_MODE_USB) return RigMode::Usb;
  if (mode == RIG_MODE_CW || mode == RIG_MODE_CWR) return RigMode::Cw;
  return RigMode::Other;
}

// hamlib wants a device path; the port lists give system names.
std::string devicePath(const std::string& port) { return port.find('/') == std::string::npos ? "/dev/" + port : port; }

}  // namespace

const std::vector<HamlibModel>& hamlibModels() { return loadedModels(); }

void keepCNumericLocale() { std::setlocale(LC_NUMERIC, "C"); }

const HamlibModel* hamlibModelOf(int id) {
  for (const HamlibModel& model : hamlibModels())
    if (model.id == id) return &model;
  return nullptr;
}

struct HamlibRig::Handle {
  RIG* rig = nullptr;
};

HamlibRig::HamlibRig(HamlibLink link, int answerMs)
    : link_(std::move(link)), answerMs_(answerMs), handle_(std::make_unique<Handle>()) {}

HamlibRig::~HamlibRig() { close(); }

bool HamlibRig::fail(int code) {
  // rigerror2 is the plain text (rigerror adds hamlib's trace).
  const std::string text = rigerror2(code);
  lastError_ = "hamlib error " + std::to_string(code) + ": " + text.substr(0, text.find('\n'));
  return false;
}

// hamlib's own waits are long (ten seconds and five more tries for rigctld):
// a radio that went silent would hold every call for a minute.  One try, and
// no longer than answerMs_ for each answer.
int HamlibRig::boundWaits() {
  RIG* rig = handle_->rig;
  char own[32] = {};
  int wait = answerMs_;
  if (rig_get_conf(rig, rig_token_lookup(rig, "timeout"), own) == RIG_OK && std::atoi(own) > 0)
    wait = std::min(wait, std::atoi(own));
  if (const int code = rig_set_conf(rig, rig_token_lookup(rig, "timeout"), std::to_string(wait).c_str());
      code != RIG_OK)
    return code;
  return rig_set_conf(rig, rig_token_lookup(rig, "retry"), "0");
}

bool HamlibRig::open() {
  close();
  const HamlibModel* model = hamlibModelOf(link_.model);
  if (model == nullptr) {
    lastError_ = "unknown hamlib model " + std::to_string(link_.model);
    return false;
  }
  RIG* rig = rig_init(static_cast<rig_model_t>(link_.model));
  if (rig == nullptr) {
    lastError_ = "hamlib could not make model " + std::to_string(link_.model);
    return false;
  }
  handle_->rig = rig;
  // A port and a speed only for the models that have them.
  if (!link_.port.empty() && model->needsPort) {
    const std::string path = model->network || link_.model == HamlibNetworkModel ? link_.port : devicePath(link_.port);
    if (const int code = rig_set_conf(rig, rig_token_lookup(rig, "rig_pathname"), path.c_str()); code != RIG_OK)
      return fail(code);
  }
  if (link_.baud > 0 && model->fastestBaud > 0) {
    const std::string baud = std::to_string(link_.baud);
    if (const int code = rig_set_conf(rig, rig_token_lookup(rig, "serial_speed"), baud.c_str()); code != RIG_OK)
      return fail(code);
  }
  if (const int code = boundWaits(); code != RIG_OK) return fail(code);
  if (const int code = rig_open(rig); code != RIG_OK) return fail(code);
  open_ = true;
  lastError_.clear();
  return true;
}

void HamlibRig::close() {
  if (handle_->rig == nullptr) return;
  if (open_) rig_close(handle_->rig);
  rig_cleanup(handle_->rig);
  handle_->rig = nullptr;
  open_ = false;
}

std::optional<RigReading> HamlibRig::read() {
  if (!open_) return std::nullopt;
  freq_t hertz = 0;
  if (const int code = rig_get_freq(handle_->rig, RIG_VFO_CURR, &hertz); code != RIG_OK) {
    fail(code);
    return std::nullopt;
  }
  rmode_t mode = RIG_MODE_NONE;
  pbwidth_t width = 0;
  if (const int code = rig_get_mode(handle_->rig, RIG_VFO_CURR, &mode, &width); code != RIG_OK) {
    fail(code);
    return std::nullopt;
  }
  // A bridge that lost its radio may say "nan" or anything: such a reading is
  // no answer (and NaN would not even convert to a number of hertz).
  if (!std::isfinite(hertz) || hertz < 0 || hertz > HighestRigHertz) {
    lastError_ = "the radio gave no frequency a radio can have: " + std::to_string(hertz);
    return std::nullopt;
  }
  RigReading reading;
  reading.hertz = std::llround(hertz);
  reading.mode = rigModeOf(mode);
  reading.modeName = rig_strrmode(mode);
  return reading;
}

bool HamlibRig::tune(long long hertz, RigMode mode) {
  if (!open_) return false;
  if (const int code = rig_set_freq(handle_->rig, RIG_VFO_CURR, static_cast<freq_t>(hertz)); code != RIG_OK)
    return fail(code);
  if (mode == RigMode::Other) return true;
  if (const int code = rig_set_mode(handle_->rig, RIG_VFO_CURR, hamlibMode(mode), RIG_PASSBAND_NOCHANGE);
      code != RIG_OK)
    return fail(code);
  return true;
}

HamlibRig::MorseResult HamlibRig::morseResult(int code) {
  if (code == RIG_OK) return MorseResult::Done;
  fail(code);
  return code == -RIG_ENAVAIL || code == -RIG_ENIMPL ? MorseResult::Unavailable : MorseResult::Failed;
}

HamlibRig::MorseResult HamlibRig::sendMorse(const std::string& text, int wpm) {
  if (!open_) return MorseResult::Failed;
  if (rig_has_set_level(handle_->rig, RIG_LEVEL_KEYSPD) != 0) {
    value_t speed;
    speed.i = wpm;
    // A radio that keeps its own speed still keys the text; one that does
    // not answer does not.
    if (const int code = rig_set_level(handle_->rig, RIG_VFO_CURR, RIG_LEVEL_KEYSPD, speed);
        code == -RIG_ETIMEOUT || code == -RIG_EIO)
      return morseResult(code);
  }
  return morseResult(rig_send_morse(handle_->rig, RIG_VFO_CURR, text.c_str()));
}

HamlibRig::MorseResult HamlibRig::stopMorse() {
  if (!open_) return MorseResult::Failed;
  return morseResult(rig_stop_morse(handle_->rig, RIG_VFO_CURR));
}

HamlibRig::MorseResult HamlibRig::waitMorse() {
  if (!open_) return MorseResult::Failed;
  return morseResult(rig_wait_morse(handle_->rig, RIG_VFO_CURR));
}

bool HamlibRig::hasStopMorse() const { return open_ && handle_->rig->caps->stop_morse != nullptr; }

bool HamlibRig::hasWaitMorse() const { return open_ && handle_->rig->caps->wait_morse != nullptr; }

}  // namespace brivant
