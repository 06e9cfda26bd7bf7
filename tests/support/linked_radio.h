#pragma once
// A simulated radio whose port stands as COM<port> in a port folder, the
// way the dialogs find a radio's port. Not started: the caller starts it
// when the far end should begin.

// std
#include <filesystem>
#include <memory>
#include <string>

// project
#include "clone/sim/sim_radio.h"

namespace test_support {

inline std::unique_ptr<transfer::sim::SimRadio> LinkedRadio(transfer::sim::Role role, bool paced, unsigned imageSeed,
                                                            const std::string& folder, int port,
                                                            std::chrono::milliseconds latency = {})
{
    transfer::sim::Options options;
    options.role = role;
    options.paced = paced;
    options.latency = latency;
    options.image = transfer::sim::SampleImage(imageSeed);
    auto sim = std::make_unique<transfer::sim::SimRadio>(options);
    const std::string link = folder + "/COM" + std::to_string(port);
    std::filesystem::remove(link);
    std::filesystem::create_symlink(sim->PortPath(), link);
    return sim;
}

} // namespace test_support
