[playlist]
File1=http://one.example/
Title1=One
File01=http://zero-one.example/
Title01=Zero One
