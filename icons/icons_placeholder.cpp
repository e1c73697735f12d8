// Generated icon data goes here.
