#include "sim/sensor_sim.h"

#include <algorithm>
#include <chrono>
#include <future>

#include <QFileInfo>
#include <QThread>

#include "sim/sim_engine.h"

namespace sim {

namespace {
struct StartInfo {
    bool ok = false;
    QString error;
    uint16_t port = 0;
    QString pty;
};
} // namespace

// The simulator's thread: the engine lives on the stack of serve(), from
// the opening of the links to the end of the event loop.
class SimThread : public QThread {
public:
    SimThread(SimState &state, const SimConfig &config) : state_(state), config_(config) {}

    std::future<StartInfo> started() { return ready_.get_future(); }

    // Blocks until run() has finished with the shared state.
    void waitFinished() { finishedFuture_.wait(); }

    // Runs fn on the simulator thread, after whatever is queued there.
    template <typename Fn>
    void post(Fn fn)
    {
        std::lock_guard<std::mutex> lock(engineMutex_);
        if (engine_ != nullptr)
            QMetaObject::invokeMethod(engine_, [e = engine_, fn] { fn(e); }, Qt::QueuedConnection);
    }

protected:
    void run() override
    {
        serve();
        finished_.set_value();   // the engine and everything it touched are gone
    }

private:
    void serve()
    {
        SimEngine engine(state_, config_);
        StartInfo info;
        info.ok = engine.open(&info.error);
        info.port = engine.tcpPort();
        info.pty = engine.ptyPath();
        if (info.ok) {
            std::lock_guard<std::mutex> lock(engineMutex_);
            engine_ = &engine;
        }
        ready_.set_value(info);
        if (!info.ok)
            return;
        exec();
        {
            std::lock_guard<std::mutex> lock(engineMutex_);
            engine_ = nullptr;
        }
        engine.shutdown();
    }

    SimState &state_;
    SimConfig config_;
    std::promise<StartInfo> ready_;
    std::promise<void> finished_;
    std::future<void> finishedFuture_ = finished_.get_future();
    std::mutex engineMutex_;
    SimEngine *engine_ = nullptr;
};

SensorSim::SensorSim(SimConfig config) : config_(std::move(config)), state_(std::make_unique<SimState>())
{
    state_->faults = config_.faults;
    state_->idText = config_.idText;
    state_->triggerPeriodMs = config_.triggerPeriodMs;
    state_->eepromPath = config_.eepromPath;
    state_->model.setFixedTarget(config_.fixedTarget);
    state_->ram = state_->eeprom = defaultParamSet();
}

SensorSim::~SensorSim()
{
    stop();
}

void SensorSim::loadEepromAtPowerOn()
{
    std::lock_guard<std::mutex> lock(state_->mutex);
    if (!state_->eepromPath.empty()) {
        std::string error;
        ParamSet loaded;
        if (loadEepromFile(state_->eepromPath, &loaded, &error)) {
            state_->eeprom = loaded;
            state_->lastError.clear();
        } else if (QFileInfo::exists(QString::fromStdString(state_->eepromPath))) {
            state_->lastError = error;   // a bad file is kept as it is
        } else {
            state_->eeprom = defaultParamSet();
            state_->lastError.clear();
        }
    }
    state_->ram = state_->eeprom;
    state_->autoSend = false;
    state_->readSource = ReadSource::Ram;
    state_->model.setTriggerInput(false);
}

bool SensorSim::start(std::string *error)
{
    std::lock_guard<std::mutex> lock(control_);
    if (thread_ != nullptr)
        return true;
    loadEepromAtPowerOn();
    auto thread = std::make_unique<SimThread>(*state_, config_);
    std::future<StartInfo> started = thread->started();
    thread->start();
    StartInfo info = started.get();
    if (!info.ok) {
        thread->wait();
        thread->waitFinished();
        if (error != nullptr)
            *error = info.error.toStdString();
        return false;
    }
    tcpPort_ = info.port;
    ptyPath_ = info.pty.toStdString();
    thread_ = std::move(thread);
    return true;
}

void SensorSim::stop()
{
    std::lock_guard<std::mutex> lock(control_);
    if (thread_ == nullptr)
        return;
    thread_->quit();
    thread_->wait();
    thread_->waitFinished();
    thread_.reset();
    tcpPort_ = 0;
    ptyPath_.clear();
}

bool SensorSim::running() const
{
    std::lock_guard<std::mutex> lock(control_);
    return thread_ != nullptr;
}

uint16_t SensorSim::tcpPort() const
{
    std::lock_guard<std::mutex> lock(control_);
    return tcpPort_;
}

std::string SensorSim::ptyPath() const
{
    std::lock_guard<std::mutex> lock(control_);
    return ptyPath_;
}

FaultConfig SensorSim::faults() const
{
    std::lock_guard<std::mutex> lock(state_->mutex);
    return state_->faults;
}

void SensorSim::setFaults(const FaultConfig &faults)
{
    std::lock_guard<std::mutex> lock(state_->mutex);
    state_->faults = faults;
}

void SensorSim::clearFaults()
{
    setFaults(FaultConfig{});
}

ParamSet SensorSim::ram() const
{
    std::lock_guard<std::mutex> lock(state_->mutex);
    return state_->ram;
}

void SensorSim::setRam(const ParamSet &set)
{
    std::lock_guard<std::mutex> lock(state_->mutex);
    state_->ram = set;
}

ParamSet SensorSim::eeprom() const
{
    std::lock_guard<std::mutex> lock(state_->mutex);
    return state_->eeprom;
}

bool SensorSim::setEeprom(const ParamSet &set)
{
    std::lock_guard<std::mutex> lock(state_->mutex);
    state_->eeprom = set;
    if (state_->eepromPath.empty())
        return true;
    std::string error;
    bool ok = saveEepromFile(state_->eepromPath, set, &error);
    state_->lastError = ok ? std::string() : error;
    return ok;
}

std::string SensorSim::eepromPath() const
{
    std::lock_guard<std::mutex> lock(state_->mutex);
    return state_->eepromPath;
}

void SensorSim::setEepromPath(const std::string &path)
{
    std::lock_guard<std::mutex> lock(state_->mutex);
    state_->eepromPath = path;
}

std::string SensorSim::lastError() const
{
    std::lock_guard<std::mutex> lock(state_->mutex);
    return state_->lastError;
}

std::string SensorSim::idText() const
{
    std::lock_guard<std::mutex> lock(state_->mutex);
    return state_->idText;
}

void SensorSim::setIdText(const std::string &text)
{
    std::lock_guard<std::mutex> lock(state_->mutex);
    state_->idText = text;
}

void SensorSim::setTriggerPeriodMs(int ms)
{
    std::lock_guard<std::mutex> lock(state_->mutex);
    state_->triggerPeriodMs = std::max(ms, kMinTriggerPeriodMs);
}

void SensorSim::setFixedTarget(std::optional<Intensities> target)
{
    std::lock_guard<std::mutex> lock(state_->mutex);
    state_->model.setFixedTarget(target);
}

bool SensorSim::autoSending() const
{
    std::lock_guard<std::mutex> lock(state_->mutex);
    return state_->autoSend;
}

void SensorSim::setPaced(bool paced)
{
    std::lock_guard<std::mutex> lock(control_);
    config_.paced = paced;
    if (thread_ != nullptr)
        thread_->post([paced](SimEngine *e) { e->setPaced(paced); });
}

void SensorSim::dropConnections()
{
    std::lock_guard<std::mutex> lock(control_);
    if (thread_ != nullptr)
        thread_->post([](SimEngine *e) { e->dropConnections(); });
}

int SensorSim::tcpConnections() const
{
    std::lock_guard<std::mutex> lock(state_->mutex);
    return state_->tcpSessions;
}

std::vector<Frame> SensorSim::receivedFrames() const
{
    std::lock_guard<std::mutex> lock(state_->mutex);
    return state_->received;
}

std::vector<uint16_t> SensorSim::receivedCommands() const
{
    std::lock_guard<std::mutex> lock(state_->mutex);
    std::vector<uint16_t> commands;
    commands.reserve(state_->received.size());
    for (const Frame &f : state_->received)
        commands.push_back(frameWord(f, 1));
    return commands;
}

void SensorSim::clearFrameLog()
{
    std::lock_guard<std::mutex> lock(state_->mutex);
    state_->received.clear();
}

bool SensorSim::waitForFrames(std::size_t count, int timeoutMs) const
{
    std::unique_lock<std::mutex> lock(state_->mutex);
    return state_->logGrew.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                                    [&] { return state_->received.size() >= count; });
}

uint64_t SensorSim::bytesSent() const
{
    std::lock_guard<std::mutex> lock(state_->mutex);
    return state_->sentTotal;
}

uint64_t SensorSim::bytesQueued() const
{
    std::lock_guard<std::mutex> lock(state_->mutex);
    return state_->queuedTotal;
}

} // namespace sim
