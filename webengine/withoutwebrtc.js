// Takes WebRTC, whose connections pass no request guard, away from a local page and from every
// window the page can reach. The engine runs this in each frame it loads, but only after the
// frame's first document: an empty frame's window can be used the moment the frame is inserted.
// So this also takes WebRTC away from each such window as it becomes reachable, and guards it
// the same way: as a frame is inserted, once the parser has added frames, and wherever a window
// or a document is handed out. Scripts that run while they are inserted or written would reach a
// frame before that: a local page writes no markup and inserts no frame together with a script.
// It runs before any of the page's code and keeps the built-ins it uses, so that nothing the page
// changes later can turn it off.
(() => {
    const removed = ['RTCPeerConnection', 'webkitRTCPeerConnection', 'RTCDataChannel', 'RTCSessionDescription',
        'RTCIceCandidate', 'RTCRtpSender', 'RTCRtpReceiver'];
    // [interface, member, kind]: the members that hand out a frame's window or document, and
    // those of a document that open it for writing.
    const handOuts = [
        ['HTMLIFrameElement', 'contentWindow', 'get'],
        ['HTMLIFrameElement', 'contentDocument', 'get'],
        ['HTMLFrameElement', 'contentWindow', 'get'],
        ['HTMLFrameElement', 'contentDocument', 'get'],
        ['HTMLObjectElement', 'contentWindow', 'get'],
        ['HTMLObjectElement', 'contentDocument', 'get'],
        ['HTMLIFrameElement', 'getSVGDocument', 'value'],
        ['HTMLObjectElement', 'getSVGDocument', 'value'],
        ['HTMLEmbedElement', 'getSVGDocument', 'value'],
        ['Window', 'open', 'value'],
        ['Document', 'open', 'value'],
        ['Document', 'write', 'value'],
        ['Document', 'writeln', 'value'],
    ];
    const frames = 'iframe, frame, object, embed';
    // [interface, member, first argument inserted, one past the last (all when undefined)]: the
    // members that insert nodes a page made, which may hold scripts that run as they are inserted.
    const insertions = [
        ['Node', 'appendChild', 0, 1], ['Node', 'insertBefore', 0, 1], ['Node', 'replaceChild', 0, 1],
        ['Element', 'insertAdjacentElement', 1, 2], ['Range', 'insertNode', 0, 1],
        ['Range', 'surroundContents', 0, 1],
        ...['Element', 'Document', 'DocumentFragment'].flatMap(
            type => ['append', 'prepend', 'replaceChildren'].map(name => [type, name, 0])),
        ...['Element', 'CharacterData', 'DocumentType'].flatMap(
            type => ['before', 'after', 'replaceWith'].map(name => [type, name, 0])),
    ];
    const ElementNode = 1;
    const DocumentNode = 9;
    const FragmentNode = 11;

    const {apply, defineProperty, getOwnPropertyDescriptor, getPrototypeOf} = Reflect;
    const getter = (prototype, name) => getOwnPropertyDescriptor(prototype, name).get;
    const call = (fn, self, ...args) => apply(fn, self, args);
    const seen = new WeakSet();
    const remember = WeakSet.prototype.add;
    const known = WeakSet.prototype.has;
    const selectAll = Element.prototype.querySelectorAll;
    const selectAllInDocument = Document.prototype.querySelectorAll;
    const selectAllInFragment = DocumentFragment.prototype.querySelectorAll;
    const matches = Element.prototype.matches;
    const selectOne = Element.prototype.querySelector;
    const selectOneInFragment = DocumentFragment.prototype.querySelector;
    const nodeType = getter(Node.prototype, 'nodeType');
    const defaultView = getter(Document.prototype, 'defaultView');
    const listLength = getter(NodeList.prototype, 'length');
    const itemOf = NodeList.prototype.item;
    const targetOf = getter(Event.prototype, 'target');
    const addedNodes = getter(MutationRecord.prototype, 'addedNodes');
    const frameWindows = [getter(HTMLIFrameElement.prototype, 'contentWindow'),
        getter(HTMLFrameElement.prototype, 'contentWindow'), getter(HTMLObjectElement.prototype, 'contentWindow')];
    const readyState = getter(Document.prototype, 'readyState');
    const openForWriting = Document.prototype.open;
    const listen = EventTarget.prototype.addEventListener;
    const Observer = MutationObserver;
    const observe = MutationObserver.prototype.observe;

    const attempt = (fn, ...args) => {
        try {
            return apply(fn, undefined, args);
        } catch (e) {
            return null; // a node of another kind, or a window of another origin
        }
    };

    // The window that value, a window or a node, stands for: a document's window; null for
    // anything else. Only a node has a type.
    const windowOf = value => {
        if (value === null || typeof value !== 'object')
            return null;
        const type = attempt(call, nodeType, value);
        if (type === null)
            return value;
        return type === DocumentNode ? call(defaultView, value) : null;
    };

    const guardFrame = element => {
        for (let i = 0; i < frameWindows.length; ++i) {
            const w = attempt(call, frameWindows[i], element);
            if (w !== null) {
                guard(w);
                return;
            }
        }
    };

    const guardFramesIn = node => {
        const type = attempt(call, nodeType, node);
        let found;
        if (type === ElementNode) {
            if (call(matches, node, frames))
                guardFrame(node);
            found = call(selectAll, node, frames);
        } else if (type === DocumentNode) {
            found = call(selectAllInDocument, node, frames);
        } else if (type === FragmentNode) {
            found = call(selectAllInFragment, node, frames);
        } else {
            return;
        }
        for (let i = 0; i < call(listLength, found); ++i)
            guardFrame(call(itemOf, found, i));
    };

    // Replaces the getter or method name of holder, or of the prototype that defines it, with
    // one that runs before, the original and after, and then hands out the original's result.
    const follow = (holder, name, kind, before, after) => {
        while (holder !== null && !getOwnPropertyDescriptor(holder, name))
            holder = getPrototypeOf(holder);
        if (holder === null)
            return;
        const property = {__proto__: null, ...getOwnPropertyDescriptor(holder, name)};
        const original = property[kind];
        property[kind] = {
            [name](...args) {
                before(this);
                const result = apply(original, this, args);
                after(this, result);
                return result;
            },
        }[name];
        defineProperty(holder, name, property);
    };

    // Mutation events fire while a frame is inserted, before the call that inserts it returns;
    // a window's capturing listener is the first of all to hear them. One listener, so that
    // adding it again changes nothing.
    const onInserted = event => guardFramesIn(call(targetOf, event));
    const listenTo = w => call(listen, w, 'DOMNodeInserted', onInserted, true);

    // Takes WebRTC away from w and guards the frames its document holds, now and later.
    const guard = w => {
        const document = attempt(() => w.document);
        if (!document || call(known, seen, document))
            return;
        call(remember, seen, document);
        for (let i = 0; i < removed.length; ++i)
            delete w[removed[i]];
        // A window keeps its built-ins when an empty frame gets its next document.
        if (!call(known, seen, w)) {
            call(remember, seen, w);
            for (let i = 0; i < handOuts.length; ++i) {
                const type = handOuts[i][0];
                const name = handOuts[i][1];
                const before = name === 'write' || name === 'writeln' ? openAsWritingWould : nothing;
                if (local && before !== nothing) {
                    defineProperty(w.Document.prototype, name, {__proto__: null, value: refuseWriting});
                    continue;
                }
                follow(type === 'Window' ? w : w[type].prototype, name, handOuts[i][2], before, (self, result) => {
                    const reached = windowOf(result);
                    if (reached !== null)
                        guard(reached);
                    if (type === 'Document')
                        opened(self);
                });
            }
            if (local) {
                for (let i = 0; i < insertions.length; ++i)
                    refuseTogether(w[insertions[i][0]].prototype, insertions[i][1], insertions[i][2], insertions[i][3]);
            }
        }
        listenTo(w);
        // The parser adds frames without mutation events; observers hear of them before any
        // further script runs.
        const observer = new Observer(records => {
            for (let i = 0; i < records.length; ++i) {
                const added = call(addedNodes, records[i]);
                for (let j = 0; j < call(listLength, added); ++j)
                    guardFramesIn(call(itemOf, added, j));
            }
        });
        call(observe, observer, document, {__proto__: null, childList: true, subtree: true});
        guardFramesIn(document);
    };

    // Opening a document for writing, which writing does by itself, takes every listener off its
    // window; the markup written adds frames with no event at all.
    const opened = document => {
        const w = attempt(call, defaultView, document);
        if (w !== null)
            listenTo(w);
        guardFramesIn(document);
    };

    // Writing into a loaded document opens it first, which takes the listener away while the
    // markup's own scripts run: opened here instead, and listened to again before they run.
    const openAsWritingWould = document => {
        if (attempt(call, readyState, document) === 'complete') {
            call(openForWriting, document);
            opened(document);
        }
    };
    const nothing = () => {};

    // Whether node, or a node in it, matches selector.
    const holds = (node, selector) => {
        const type = attempt(call, nodeType, node);
        if (type === ElementNode)
            return call(matches, node, selector) || call(selectOne, node, selector) !== null;
        return type === FragmentNode && call(selectOneInFragment, node, selector) !== null;
    };

    // A script inserted together with a frame runs before anything here hears of the frame: a
    // local page inserts them apart (none of the program's pages inserts either).
    const refuseTogether = (holder, name, from, to) => {
        const property = getOwnPropertyDescriptor(holder, name);
        if (!property)
            return;
        const original = property.value;
        property.value = {
            [name](...args) {
                let frame = false;
                let script = false;
                for (let i = from; i < (to === undefined ? args.length : to); ++i) {
                    frame = frame || holds(args[i], frames);
                    script = script || holds(args[i], 'script');
                }
                if (frame && script)
                    throw new Refusal('Local pages insert frames and scripts apart.', 'NotSupportedError');
                return apply(original, this, args);
            },
        }[name];
        defineProperty(holder, name, {__proto__: null, ...property});
    };
    // Markup written into a document runs its scripts while it is written, before anything here
    // hears of the frames it adds: a local page writes none (none of the program's pages does).
    const local = location.protocol === 'PAGE_SCHEME:';
    const Refusal = DOMException;
    const refuseWriting = () => {
        throw new Refusal('Local pages do not write markup into documents.', 'NotSupportedError');
    };

    guard(window);
})();
