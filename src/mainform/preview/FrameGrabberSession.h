#pragma once

#include "core/TVideoInfo.h"
#include "engine/EngineLibrary.h"

#include <QImage>
#include <QPointer>

// The preview's frame grabber: its own opening of the engine library, what the engine has
// reported about it, and the clip it was opened for. Window thread only.
//
// Closed -> Opening (Init, waiting for 2312) -> Requesting (Request, waiting for 2412) -> Showing
// -> Requesting ...; Close goes through Closing (waiting for 2512) back to Closed.
class FrameGrabberSession {
public:
    enum class State { Closed, Opening, Requesting, Showing, Closing };

    explicit FrameGrabberSession(MessageTarget *window);

    // Closed also while the library is held but no grabber runs (the engine ended it itself).
    State CurrentState() const;
    bool IsOpen() const { return library_.IsLoaded(); }   // FrameLibrary
    bool GrabberReady() const { return ready_; }
    // The time the engine reported with the last frame fetched in this opening; 0 before one.
    int LastFrameTime() const { return lastFrameTime_; }
    // The grabber was opened for this clip (frames belong to it).
    bool IsFor(const TVideoInfo *clip) const { return clip && clip_ == clip; }

    // Loads the library and binds the grabber's entry points; false, with nothing loaded, when the
    // library or one of them is missing.
    bool Open();
    // Starts the grabber on the clip's file; the engine answers with 2312.
    void Init(TVideoInfo *clip, int second);
    // Asks for the frame at a second; the engine answers with 2412.
    void Request(int second);
    // The engine's current frame at width x height; a null picture while closed.
    QImage Grab(int width, int height);

    // The engine's notices. A ready notice finds no grabber once the library is released: it is
    // then ignored (false), since nothing could be requested from it.
    bool ReadyArrived();
    void FrameArrived();
    void ClosedArrived();

    // Ends the grabber and releases the library: waits for an opening to report ready, un-inits,
    // and waits for the closed notice. The waits keep handling window events, so notices and user
    // input run meanwhile; a call made from inside them returns at once.
    void Close();

private:
    MessageTarget *window_;
    EngineLibrary library_;
    QPointer<TVideoInfo> clip_;
    bool initSent_ = false;        // FrameInit sent, 2312 not yet come
    bool ready_ = false;           // GrabberReady
    bool closed_ = false;          // GrabberClosed
    bool requestPending_ = false;
    bool closing_ = false;
    bool closeGuard_ = false;      // CloseGuard
    int lastFrameTime_ = 0;
};
