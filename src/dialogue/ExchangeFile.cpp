#include "dialogue/ExchangeFile.h"

void ExchangeFile::read(const LineFiles& files, const std::string& path, LineList& LoadtxtCpuCpu) {
    LoadtxtCpuCpu = files.load(path);
}

void ExchangeFile::write(const LineFiles& files, const std::string& path, const std::string& reply,
                         LineList& LoadtxtCpuCpu) {
    LoadtxtCpuCpu.clear();
    LoadtxtCpuCpu.append(reply);
    files.save(path, LoadtxtCpuCpu);
}

void ExchangeFile::T6Tick(const LineFiles& files, const Settings& settings, LineList& LoadtxtCpuCpu,
                          Sink& sink) {
    read(files, settings.path, LoadtxtCpuCpu);
    if (settings.trigger != Trigger::Timer) {
        sink.setTalkEnabled(true);
        return;
    }
    sink.setPeriod(settings.period);
    sink.setTalkEnabled(false);
    sink.speak();
}
