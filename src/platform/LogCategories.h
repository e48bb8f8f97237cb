#pragma once

#include <QLoggingCategory>

// One logging category per area. Warnings and worse go to standard error by default; debug
// messages are switched on with the usual rules, e.g. QT_LOGGING_RULES="pocketreel.*.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcEngine)    // pocketreel.engine: loading and binding DVDEncoder.so
Q_DECLARE_LOGGING_CATEGORY(lcRun)       // pocketreel.run: conversion runs
Q_DECLARE_LOGGING_CATEGORY(lcUpload)    // pocketreel.upload: copying onto the PSP
Q_DECLARE_LOGGING_CATEGORY(lcVolumes)   // pocketreel.volumes: the mount table and drive facts
Q_DECLARE_LOGGING_CATEGORY(lcProfiles)  // pocketreel.profiles: definition, profile and options files
